#include "cli/CliCommands.h"
#include "cli/Recovery.h"

#include <QFileInfo>

namespace {
const char* const Usage =
    "usage: packwright-cli recover [--game DIR]\n"
    "Undoes every install, deletion or FAR packing that was cut short (the program killed,\n"
    "the system down) and says on standard error what it undid. Every other command that\n"
    "reads or changes the game folder or files.iff does this first. The journals name each\n"
    "file in full, so DIR is only checked to be a folder. Exits 0 when the game folder\n"
    "and files.iff agree.\n";
} // namespace

int RunRecoverCommand(const QStringList& args, CliIo& io) {
    if (WantsHelp(args)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const bool withGame = args.size() == 2 && args[0] == u"--game";
    if (!args.isEmpty() && !withGame)
        return io.BadUsage(QString::fromLatin1(Usage));
    if (withGame && !QFileInfo(args[1]).isDir())
        return io.Fail(QStringLiteral("no such folder: %1").arg(args[1]));
    return RecoverFirst(io) ? ExitSuccess : ExitFailure;
}
