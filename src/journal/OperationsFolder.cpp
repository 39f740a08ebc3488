#include "journal/OperationsFolder.h"

#include "journal/JournalFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>

QString OperationsFolderOf(const QString& dataFolder) {
    return QDir(dataFolder).filePath(QStringLiteral("operations"));
}

QString JournalFileOf(const QString& operationFolder) {
    return QDir(operationFolder).filePath(QStringLiteral("journal.txt"));
}

QString KeepFolderOf(const QString& operationFolder) {
    return QDir(operationFolder).filePath(QStringLiteral("keep"));
}

QString KeptFileOf(const QString& operationFolder, int stepNumber) {
    return QDir(KeepFolderOf(operationFolder)).filePath(QString::number(stepNumber));
}

// Two operations of one process within a millisecond differ by a counter.
QString MakeOperationFolder(const QString& operationsFolder) {
    if (!QDir().mkpath(operationsFolder))
        return {};
    const QString id =
        QStringLiteral("%1-%2")
            .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss-zzz")))
            .arg(QCoreApplication::applicationPid());
    const QDir parent(operationsFolder);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = attempt == 0 ? id : QStringLiteral("%1-%2").arg(id).arg(attempt);
        if (parent.mkdir(name))
            return parent.filePath(name);
    }
    return {};
}

QStringList OperationFolders(const QString& operationsFolder) {
    const QDir parent(operationsFolder);
    QStringList folders;
    for (const QString& name :
         parent.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name))
        folders.append(parent.filePath(name));
    return folders;
}

bool IsUncommitted(const QString& operationFolder) {
    QFile journal(JournalFileOf(operationFolder));
    return !journal.open(QIODevice::ReadOnly) || !ParseJournal(journal.readAll()).Committed;
}

// Only a holder that died makes a lock stale: an install may run for an hour.
LockOutcome OperationsLock::Acquire(const QString& operationsFolder, int waitMs) {
    if (!QDir().mkpath(operationsFolder))
        return LockOutcome::Unwritable;
    FLock = std::make_unique<QLockFile>(QDir(operationsFolder).filePath(QStringLiteral("lock")));
    FLock->setStaleLockTime(0);
    if (FLock->tryLock(waitMs))
        return LockOutcome::Held;
    return FLock->error() == QLockFile::LockFailedError ? LockOutcome::Busy
                                                        : LockOutcome::Unwritable;
}

qint64 KeptBytesOf(const QString& operationFolder) {
    qint64 bytes = 0;
    QDirIterator kept(KeepFolderOf(operationFolder), QDir::Files | QDir::Hidden | QDir::System);
    while (kept.hasNext()) {
        kept.next();
        bytes += kept.fileInfo().size();
    }
    return bytes;
}

namespace {
// The kept files go first and the journal last, so a removal cut short leaves either a
// committed journal or a folder that recovery clears.
void RemoveOperation(const QString& operationFolder) {
    QDir(KeepFolderOf(operationFolder)).removeRecursively();
    QFile::remove(JournalFileOf(operationFolder));
    QDir(operationFolder).removeRecursively();
}
} // namespace

int PruneCommittedOperations(const QString& operationsFolder, const Retention& retention) {
    QStringList committed = OperationFolders(operationsFolder);
    committed.removeIf(IsUncommitted);
    qint64 bytes = 0;
    QList<qint64> sizes;
    for (const QString& folder : committed)
        bytes += sizes.emplace_back(KeptBytesOf(folder));
    int removed = 0;
    for (; removed < committed.size(); ++removed) {
        if (committed.size() - removed <= retention.Count && bytes <= retention.KeptBytes)
            break;
        RemoveOperation(committed[removed]);
        bytes -= sizes[removed];
    }
    return removed;
}
