#include "journal/History.h"

#include "journal/OperationsAccess.h"
#include "journal/OperationsFolder.h"
#include "journal/OperationText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>
#include <utility>

namespace {
bool IsDatabase(const QString& path, const QString& dataFolder) {
    const QFileInfo file(path);
    return file.fileName().compare(u"files.iff", Qt::CaseInsensitive) == 0 &&
           file.absolutePath() == QDir(dataFolder).absolutePath();
}

std::optional<CommittedOperation> ReadCommitted(const QString& folder, const QString& dataFolder) {
    QFile journal(JournalFileOf(folder));
    if (!journal.open(QIODevice::ReadOnly))
        return std::nullopt;
    const JournalContents contents = ParseJournal(journal.readAll());
    if (!contents.Header || !contents.Committed)
        return std::nullopt;
    CommittedOperation operation{.Id = QFileInfo(folder).fileName(),
                                 .Folder = folder,
                                 .Header = *contents.Header,
                                 .Contents = contents,
                                 .Files = TouchedFiles(contents),
                                 .Subject = contents.Header->Comment,
                                 .KeptBytes = KeptBytesOf(folder)};
    operation.Files.removeIf([&](const QString& path) { return IsDatabase(path, dataFolder); });
    if (operation.Subject.isEmpty())
        operation.Subject = ShownPath(operation.Files.value(0));
    return operation;
}
} // namespace

QList<CommittedOperation> CommittedOperations(const QString& dataFolder) {
    QList<CommittedOperation> operations;
    for (const QString& folder : OperationFolders(OperationsFolderOf(dataFolder))) {
        if (std::optional<CommittedOperation> operation = ReadCommitted(folder, dataFolder))
            operations.append(std::move(*operation));
    }
    return operations;
}

QStringList TouchedFiles(const JournalContents& contents) {
    QStringList files;
    QSet<QString> seen;
    for (const JournalStep& step : contents.Steps) {
        if (step.Kind == StepKind::Folder)
            continue;
        for (const QString& path : ChangedPaths(step)) {
            if (!seen.contains(path)) {
                seen.insert(path);
                files.append(path);
            }
        }
    }
    return files;
}

int PurgeCommittedOperations(const QString& dataFolder, const TLanguage& language, int lockWaitMs) {
    const QString operations = OperationsFolderOf(dataFolder);
    if (!QFileInfo::exists(operations))
        return 0;
    OperationsLock lock;
    HoldOperationsFolder(lock, operations, lockWaitMs, language);
    return PruneCommittedOperations(operations, Retention{.Count = 0, .KeptBytes = 0});
}
