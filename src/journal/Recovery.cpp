#include "journal/Recovery.h"

#include "common/Placeholders.h"
#include "journal/OperationsAccess.h"
#include "journal/OperationsFolder.h"
#include "journal/OperationText.h"
#include "journal/RollBack.h"
#include "language/TLanguage.h"

#include <QDir>
#include <QFileInfo>

#include <optional>
#include <ranges>

namespace {
// A folder with no readable journal and nothing kept is an operation that never began,
// and goes without a word.
std::optional<QString> Recover(const QString& folder, const TLanguage& language) {
    const RollBackResult result = RollBackOperation(folder);
    const QString native = QDir::toNativeSeparators(folder);
    if (!result.Readable) {
        if (!QFileInfo::exists(folder))
            return std::nullopt;
        return ReplacePlaceholder(language.GetString(QStringLiteral("RecoveryUnreadable")),
                                  u"FolderName", native);
    }
    if (result.Failed.isEmpty())
        return DescribeOperation(language.GetString(QStringLiteral("RecoveryDone")), result.Header,
                                 language);
    return ReplacePlaceholder(
        ReplacePlaceholder(
            DescribeOperation(language.GetString(QStringLiteral("RecoveryIncomplete")),
                              result.Header, language),
            u"FileNames", NativePathLines(result.Failed)),
        u"FolderName", native);
}
} // namespace

RecoveryReport RecoverOperations(const QString& dataFolder, const TLanguage& language,
                                 int lockWaitMs) {
    RecoveryReport report;
    const QString operations = OperationsFolderOf(dataFolder);
    if (!QFileInfo::exists(operations))
        return report;
    OperationsLock lock;
    switch (lock.Acquire(operations, lockWaitMs)) {
    case LockOutcome::Held:
        break;
    case LockOutcome::Busy:
        report.Messages.append(language.GetString(QStringLiteral("OperationBusy")));
        report.Consistent = false;
        return report;
    case LockOutcome::Unwritable:
        report.Messages.append(
            FolderText(language, QStringLiteral("OperationJournalError"), operations));
        report.Consistent = false;
        return report;
    }
    QStringList unfinished = OperationFolders(operations);
    unfinished.removeIf([](const QString& folder) { return !IsUncommitted(folder); });
    for (const QString& folder : unfinished | std::views::reverse) {
        if (const std::optional<QString> message = Recover(folder, language)) {
            report.Messages.append(*message);
            report.Consistent = report.Consistent && !QFileInfo::exists(folder);
        }
    }
    return report;
}
