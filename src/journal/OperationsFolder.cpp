#include "journal/OperationsFolder.h"

#include "journal/JournalFormat.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
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

// The kept files go first and the journal last, so a removal cut short leaves either a
// committed journal or a folder that recovery clears.
void PruneCommittedOperations(const QString& operationsFolder, int count) {
    QStringList committed = OperationFolders(operationsFolder);
    committed.removeIf(IsUncommitted);
    for (qsizetype i = 0; i + count < committed.size(); ++i) {
        QDir(KeepFolderOf(committed[i])).removeRecursively();
        QFile::remove(JournalFileOf(committed[i]));
        QDir(committed[i]).removeRecursively();
    }
}
