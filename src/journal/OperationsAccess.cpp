#include "journal/OperationsAccess.h"

#include "common/PackwrightError.h"
#include "common/Placeholders.h"
#include "language/TLanguage.h"

#include <QDir>

#include <algorithm>

void HoldOperationsFolder(OperationsLock& lock, const QString& operationsFolder, int waitMs,
                          const TLanguage& language) {
    switch (lock.Acquire(operationsFolder, waitMs)) {
    case LockOutcome::Held:
        break;
    case LockOutcome::Busy:
        throw EPackwrightError(language.GetString(QStringLiteral("OperationBusy")));
    case LockOutcome::Unwritable:
        throw EPackwrightError(
            FolderText(language, QStringLiteral("OperationJournalError"), operationsFolder));
    }
    if (std::ranges::any_of(OperationFolders(operationsFolder), IsUncommitted))
        throw EPackwrightError(language.GetString(QStringLiteral("OperationInterrupted")));
}

QString FolderText(const TLanguage& language, const QString& key, const QString& folder) {
    return ReplacePlaceholder(language.GetString(key), u"FolderName",
                              QDir::toNativeSeparators(folder));
}
