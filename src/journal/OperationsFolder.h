#pragma once

#include <QLockFile>
#include <QString>
#include <QStringList>

#include <memory>

// Where the operations of one data folder live: operations/<id>/ beside files.iff, each
// holding journal.txt and keep/. Ids start with the local time, so they sort by age.

QString OperationsFolderOf(const QString& dataFolder);
QString JournalFileOf(const QString& operationFolder);
QString KeepFolderOf(const QString& operationFolder);
QString KeptFileOf(const QString& operationFolder, int stepNumber);

// Makes a folder for a new operation under a fresh id and returns its path; empty when the
// folder cannot be made.
QString MakeOperationFolder(const QString& operationsFolder);

// The operation folders, oldest first.
QStringList OperationFolders(const QString& operationsFolder);

// True when the folder's journal has no commit line.
bool IsUncommitted(const QString& operationFolder);

// The bytes the operation's keep folder holds.
qint64 KeptBytesOf(const QString& operationFolder);

// How many committed operations stay, to be undone later, and how many bytes their kept
// files may take together.
struct Retention {
    int Count = 20;
    qint64 KeptBytes = qint64(2) << 30;

    friend bool operator==(const Retention&, const Retention&) = default;
};

// Removes committed operations, oldest first, with the files they kept, until those left
// fit the retention. Uncommitted ones are never removed: recovery needs them. Returns how
// many were removed.
int PruneCommittedOperations(const QString& operationsFolder, const Retention& retention);

// Keeps a second process from changing the same data folder at the same time: held for the
// life of an operation and by recovery. A holder that died no longer counts.
enum class LockOutcome { Held, Busy, Unwritable };

class OperationsLock {
public:
    // Waits up to waitMs for the lock: Busy when another process keeps it that long,
    // Unwritable when the folder cannot take a lock file.
    LockOutcome Acquire(const QString& operationsFolder, int waitMs);

private:
    std::unique_ptr<QLockFile> FLock;
};

// How long an operation or recovery waits for another one to finish before giving up.
constexpr int OperationsLockWaitMs = 3000;
