#include "removal/DeleteOperation.h"

#include "common/Interaction.h"
#include "common/PackwrightError.h"
#include "common/Placeholders.h"
#include "formats/InstalledFilesDb.h"
#include "journal/Operation.h"
#include "language/TLanguage.h"

#include <QFileInfo>

namespace {
OperationStart StartOf(const std::vector<DeleteTarget>& targets, const InstalledFilesDb& db) {
    OperationStart start{.DataFolder = QFileInfo(db.DbFileName()).absolutePath(),
                         .Kind = OperationKind::Delete,
                         .Comment = {},
                         .FilesItMayMove = {},
                         .FilesItMayRewrite = {db.DbFileName()}};
    for (const DeleteTarget& target : targets)
        (target.Items.isEmpty() ? start.FilesItMayMove : start.FilesItMayRewrite)
            .append(DiskPathText(target));
    return start;
}

// Without its commit line the operation is undone as it goes: nothing was deleted after
// all, and the results must not say otherwise.
void MarkUndone(DeletionOutcome& outcome, const QString& reason, Interaction& interaction) {
    interaction.Fail(reason);
    for (DeleteResult& result : outcome.Results) {
        if (result.Deleted) {
            result.Deleted = false;
            result.Reason = reason;
        }
    }
    outcome.Recorded = false;
}
} // namespace

DeletionOutcome DeleteAndSaveRecords(const std::vector<DeleteTarget>& targets, InstalledFilesDb& db,
                                     TFarFile& farFile, const TLanguage& language,
                                     Interaction& interaction, ProgressHandle* progress) {
    Operation operation(StartOf(targets, db), language);
    if (!operation.Rewrite(db.DbFileName()))
        throw EPackwrightError(operation.JournalErrorText(language));
    DeletionOutcome outcome{.Results =
                                DeleteContent(targets, db, farFile, operation, language, progress),
                            .Recorded = false,
                            .Cancelled = false};
    // Left uncommitted, the operation takes back what was deleted so far, as recovery would
    // after a crash.
    if (progress && progress->CancelRequested())
        return {.Results = {}, .Recorded = false, .Cancelled = true};
    db.SetErrorMessage(ReplacePlaceholder(language.GetString(QStringLiteral("DBError")),
                                          u"FileName", QStringLiteral("files.iff")));
    outcome.Recorded = db.Save(interaction);
    if (!operation.Commit())
        MarkUndone(outcome, operation.JournalErrorText(language), interaction);
    return outcome;
}
