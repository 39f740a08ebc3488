#pragma once

#include "journal/JournalFormat.h"
#include "journal/OperationsFolder.h"

#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

class TLanguage;

struct OperationStart {
    // Where files.iff lies; the operations folder is made beside it.
    QString DataFolder;
    OperationKind Kind = OperationKind::Install;
    QString Comment;
    // Files the operation may replace or remove, and files it may rewrite: the keep folder
    // must have room for copies of the rewritten ones and of those it cannot rename into it.
    QStringList FilesItMayMove;
    QStringList FilesItMayRewrite;
    // How long to wait for another process's operation to finish.
    int LockWaitMs = OperationsLockWaitMs;
};

// One change to the game folder and files.iff that either completes or is undone. An
// engine calls it before every change it makes, and makes the change only when the call
// succeeds: each step is on the disk in the journal before it happens, and bytes a step
// would destroy are kept first. Commit makes the change final; an operation dropped without
// Commit is undone at once, and one whose process died is undone by the next recovery.
class Operation {
public:
    // Throws EPackwrightError, with nothing changed, when another process is changing the
    // data folder, an interrupted operation still waits to be undone, the journal cannot be
    // written or the keep folder lacks room.
    Operation(const OperationStart& start, const TLanguage& language);
    ~Operation();
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    // A file will be put at path, where none stands.
    bool Create(const QString& path);
    // Makes the folder and any missing folders above it.
    bool MakeFolders(const QString& folder);
    // The file at path moves to the keep folder, leaving path free for its successor; a
    // path where nothing stands counts as Create. A folder is never moved.
    bool Replace(const QString& path);
    // The file at path moves to the keep folder.
    bool Remove(const QString& path);
    // A copy of the file at path is kept before it is rewritten; a path where nothing
    // stands counts as Create.
    bool Rewrite(const QString& path);
    // The file at source moves to target. A file standing at target moves to the keep folder
    // first; a missing source, a folder at target, or source and target naming one file fail
    // the move. A move that fails is undone at once, the file at target put back.
    bool Move(const QString& source, const QString& target);
    // The file just written at path holds size bytes with that SHA-256: the commit records
    // them without reading the file again. Any later step on path forgets them.
    void NoteWritten(const QString& path, qint64 size, const QByteArray& sha256);
    // Undoes the latest step at once, for a change that failed after its step was taken.
    void UndoLastStep();
    // False when the commit line could not be written; the operation is then undone.
    bool Commit();

    const QString& Folder() const { return FFolder; }
    // What the user is told when the journal cannot be written: it names the folder.
    QString JournalErrorText(const TLanguage& language) const;
    // The system's reason why the latest Replace or Remove could not move its file.
    const QString& Error() const { return FError; }

private:
    void Open(const OperationStart& start, const QString& operations, const TLanguage& language);
    bool Step(StepKind kind, const QString& path, const QString& target = {});
    void UndoStepsAfter(qsizetype count);
    bool Append(const QByteArray& line, bool syncNow = true);
    // What each step left at its path, for the undo of the committed operation to check.
    bool RecordWrittenFiles();
    bool SyncWrittenFiles() const;
    QList<const JournalStep*> StepsThatWrote() const;
    std::optional<FileState> StateAt(const QString& path) const;
    void ForgetWritten(const JournalStep& step);
    int LastNumber() const { return FSteps.isEmpty() ? 0 : FSteps.last().Number; }

    OperationsLock FLock;
    QString FFolder;
    QFile FJournal;
    // The steps taken so far, in order.
    QList<JournalStep> FSteps;
    // What the engine said it wrote, by path.
    QHash<QString, FileState> FWritten;
    QString FError;
    // Lines handed to the system but not yet synced.
    int FUnsyncedLines = 0;
    // A line that failed part-way would run into the next one: nothing more is written.
    bool FBroken = false;
    bool FCommitted = false;
};

// The bytes the keep folder must take for the operation to keep what it may change.
qint64 BytesToKeep(const OperationStart& start, const QString& keepFolder);

// Called with each step's number just before its line is written, and with the number
// after the last step's just before the commit line. Only the command line's
// test hook sets it, to end the process part-way as a kill would.
using BeforeStepHook = void (*)(int stepNumber);
void SetBeforeStepHook(BeforeStepHook hook);
