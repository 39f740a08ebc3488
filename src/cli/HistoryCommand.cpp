#include "cli/CliCommands.h"
#include "cli/ConsoleInteraction.h"
#include "cli/OperationsCliArgs.h"
#include "common/PackwrightError.h"
#include "journal/History.h"
#include "journal/OperationsFolder.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

namespace {
const char* const Usage =
    "usage: packwright-cli history [--game DIR] [--purge [--yes]]\n"
    "Prints one line per completed install, deletion or FAR packing that can still be\n"
    "undone, oldest first: id, local time (ISO 8601), kind (install, delete, far-pack),\n"
    "number of files, and the comment or else the first file. The newest 20 are kept, and\n"
    "no more than 2 GiB of the files they replaced or deleted, unless the window's options\n"
    "set other limits. --purge forgets them all and deletes those files, after a question\n"
    "on the terminal unless --yes is given. The journals name each file in full, so DIR is\n"
    "only checked to be a folder.\n";

int Purge(const OperationsCliArgs& args, CliIo& io) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    ConsoleInteraction console(io.Err);
    if (!args.Has("--yes") &&
        console.Ask(MessageKind::Confirmation,
                    language.GetString(QStringLiteral("HistoryPurgeQuestion")),
                    MessageButtons::YesNo) != MessageAnswer::Yes)
        return io.Fail(QStringLiteral("nothing purged: the purge was not confirmed"));
    try {
        PurgeCommittedOperations(DataFolder(), language, OperationsLockWaitMs);
    } catch (const EPackwrightError& error) {
        return io.Fail(error.Text());
    }
    return ExitSuccess;
}

void List(CliIo& io) {
    for (const CommittedOperation& operation : CommittedOperations(DataFolder()))
        io.Record({operation.Id,
                   operation.Header.Time.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")),
                   OperationKindWord(operation.Header.Kind),
                   QString::number(operation.Files.size()), operation.Subject});
}
} // namespace

int RunHistoryCommand(const QStringList& arguments, CliIo& io) {
    if (WantsHelp(arguments)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const std::optional<OperationsCliArgs> args =
        SplitOperationsArgs(arguments, {QStringLiteral("--purge"), QStringLiteral("--yes")});
    if (!args || !args->Words.isEmpty())
        return io.BadUsage(QString::fromLatin1(Usage));
    if (!GameFolderExists(*args, io))
        return ExitFailure;
    if (args->Has("--purge"))
        return Purge(*args, io);
    List(io);
    return ExitSuccess;
}
