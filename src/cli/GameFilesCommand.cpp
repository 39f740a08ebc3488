#include "cli/CliCommands.h"
#include "cli/ConsoleInteraction.h"
#include "common/PathRules.h"
#include "platform/ProgramPlaces.h"
#include "removal/GameFileListWriter.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char* const GameFilesUsage =
    "usage: packwright-cli gamefiles --game DIR [-o FILE] [--yes]\n"
    "Writes the list of the game's own files from a clean installation in DIR: every file\n"
    "that the delete tab would otherwise list as custom content. FILE defaults to\n"
    "QuarnFiles.iff in the data folder. Run it before any custom content is installed.\n"
    "An existing FILE is replaced only with --yes or when confirmed on the terminal.\n"
    "Prints the number of files listed and FILE.\n";

// Takes "option VALUE" out of args; empty when it is not there.
QString TakeOption(QStringList& args, const QString& option) {
    const qsizetype at = args.indexOf(option);
    if (at < 0 || at + 1 >= args.size())
        return {};
    const QString value = args[at + 1];
    args.remove(at, 2);
    return value;
}

// A new list hides every file it names from the delete tab, custom content that is already
// installed included, so an old one is replaced only when the user says so.
bool MayReplace(const QString& output, const QString& game, qsizetype count, CliIo& io) {
    if (!QFileInfo::exists(output))
        return true;
    const QString question =
        QStringLiteral("%1 already lists the game's own files. Replace it with a list of %2 "
                       "files from %3? Custom content in that folder would then count as the "
                       "game's own and no longer be offered for deletion.")
            .arg(QDir::toNativeSeparators(output))
            .arg(count)
            .arg(QDir::toNativeSeparators(game));
    ConsoleInteraction console(io.Err);
    return console.Ask(MessageKind::Confirmation, question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}
} // namespace

int RunGameFilesCommand(const QStringList& arguments, CliIo& io) {
    QStringList args = arguments;
    if (WantsHelp(args)) {
        io.Out << GameFilesUsage;
        return ExitSuccess;
    }
    const bool yes = args.removeAll(QStringLiteral("--yes")) > 0;
    const QString game = TakeOption(args, QStringLiteral("--game"));
    QString output = TakeOption(args, QStringLiteral("-o"));
    if (game.isEmpty() || !args.isEmpty())
        return io.BadUsage(QString::fromLatin1(GameFilesUsage));
    if (!QFileInfo(game).isDir())
        return io.Fail(QStringLiteral("no such folder: %1").arg(game));
    if (output.isEmpty())
        output = JoinCaseInsensitive(DataFolder(), QStringLiteral("QuarnFiles.iff"));
    const GameFileNames names = ListGameFiles(game);
    if (!yes && !MayReplace(output, game, names.Count(), io))
        return io.Fail(QStringLiteral("the list was not replaced"));
    if (!SaveGameFileList(names, output))
        return io.Fail(QStringLiteral("could not write %1").arg(output));
    io.Record({QString::number(names.Count()), QDir::toNativeSeparators(output)});
    return ExitSuccess;
}
