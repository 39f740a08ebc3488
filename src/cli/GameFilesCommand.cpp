#include "cli/CliCommands.h"
#include "common/PathRules.h"
#include "platform/ProgramFolder.h"
#include "removal/GameFileListWriter.h"

#include <QFileInfo>

namespace {
const char* const GameFilesUsage =
    "usage: packwright-cli gamefiles --game DIR [-o FILE]\n"
    "Writes the list of the game's own files from a clean installation in DIR: every file\n"
    "that the delete tab would otherwise list as custom content. FILE defaults to\n"
    "QuarnFiles.iff in the program folder. Run it before any custom content is installed.\n";

// Takes "option VALUE" out of args; empty when it is not there.
QString TakeOption(QStringList& args, const QString& option) {
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}
} // namespace

int RunGameFilesCommand(const QStringList& arguments, CliIo& io) {
    QStringList args = arguments;
    if (WantsHelp(args)) {
        io.Out << GameFilesUsage;
        return ExitSuccess;
    }
    const QString game = TakeOption(args, QStringLiteral("--game"));
    QString output = TakeOption(args, QStringLiteral("-o"));
    if (game.isEmpty() || !args.isEmpty())
        return io.BadUsage(QString::fromLatin1(GameFilesUsage));
    if (!QFileInfo(game).isDir())
        return io.Fail(QStringLiteral("no such folder: %1").arg(game));
    if (output.isEmpty())
        output = JoinCaseInsensitive(ProgramFolder(), QStringLiteral("QuarnFiles.iff"));
    if (!WriteGameFileList(game, output))
        return io.Fail(QStringLiteral("could not write %1").arg(output));
    return ExitSuccess;
}
