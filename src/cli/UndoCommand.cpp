#include "cli/CliCommands.h"
#include "cli/ConsoleInteraction.h"
#include "cli/OperationsCliArgs.h"
#include "common/PackwrightError.h"
#include "journal/History.h"
#include "journal/OperationsFolder.h"
#include "journal/OperationText.h"
#include "journal/Undo.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "platform/ProgramPlaces.h"

#include <algorithm>

namespace {
const char* const Usage =
    "usage: packwright-cli undo ID [--game DIR] [--yes] [--force]\n"
    "Takes back the completed install, deletion or FAR packing ID (as history prints it):\n"
    "files it added are deleted, files it replaced or deleted come back byte for byte, and\n"
    "so do the records of files.iff. Without --yes the undo is confirmed on the terminal.\n"
    "It refuses, naming the file, when a file the operation left has changed since, unless\n"
    "--force is given (the changed file is then lost); and it refuses, naming it, when a\n"
    "later operation changed the same files: undo that one first. Every operation records\n"
    "files.iff, so operations are undone newest first. The journals name each file in\n"
    "full, so DIR is only checked to be a folder. Exits 0 when the operation was undone.\n";

// An id that names no operation asks nothing: the undo refuses it at once.
bool Confirmed(const QString& id, const TLanguage& language, ConsoleInteraction& console) {
    const QList<CommittedOperation> committed = CommittedOperations(DataFolder());
    const auto operation = std::ranges::find(committed, id, &CommittedOperation::Id);
    if (operation == committed.cend())
        return true;
    const QString question = DescribeOperation(language.GetString(QStringLiteral("UndoQuestion")),
                                               operation->Header, language);
    return console.Ask(MessageKind::Confirmation, question, MessageButtons::YesNo) ==
           MessageAnswer::Yes;
}
} // namespace

int RunUndoCommand(const QStringList& arguments, CliIo& io) {
    if (WantsHelp(arguments)) {
        io.Out << Usage;
        return ExitSuccess;
    }
    const std::optional<OperationsCliArgs> args =
        SplitOperationsArgs(arguments, {QStringLiteral("--yes"), QStringLiteral("--force")});
    if (!args || args->Words.size() != 1)
        return io.BadUsage(QString::fromLatin1(Usage));
    if (!GameFolderExists(*args, io))
        return ExitFailure;
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    ConsoleInteraction console(io.Err);
    const QString& id = args->Words[0];
    if (!args->Has("--yes") && !Confirmed(id, language, console))
        return io.Fail(QStringLiteral("nothing undone: the undo was not confirmed"));
    try {
        const UndoReport report = UndoCommittedOperation(DataFolder(), id, args->Has("--force"),
                                                         language, OperationsLockWaitMs);
        if (!report.Complete) {
            console.Fail(report.Message);
            return ExitFailure;
        }
        console.Inform(report.Message);
        return ExitSuccess;
    } catch (const EPackwrightError& error) {
        return io.Fail(error.Text());
    }
}
