#include "journal/Operation.h"

#include "common/PackwrightError.h"
#include "common/Placeholders.h"
#include "fileutil/DiskPath.h"
#include "journal/FileStateReading.h"
#include "journal/KeptFiles.h"
#include "journal/OperationsAccess.h"
#include "journal/RetentionSettings.h"
#include "journal/RollBack.h"
#include "language/TLanguage.h"
#include "platform/SyncToDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QStorageInfo>

#include <algorithm>
#include <optional>

namespace {
BeforeStepHook StepHook = nullptr;

// Room for the journal's own lines.
constexpr qint64 JournalReserve = 1 << 20;

// How many added files a power cut may leave unnamed at most: one sync per this many lines
// costs little, where one per line made the syncs most of an install's time.
constexpr int UnsyncedLinesMax = 64;

// The folder itself first, then each missing folder above it, up to one that exists.
QStringList MissingFolders(const QString& folder) {
    QStringList missing;
    for (QString level = QDir::cleanPath(folder); !QFileInfo::exists(level);) {
        missing.prepend(level);
        const QString parent = QFileInfo(level).absolutePath();
        if (parent == level)
            break;
        level = parent;
    }
    return missing;
}

// Copies kept across file systems must all fit, or a full disk would stop the operation
// half way.
void CheckRoomToKeep(const OperationStart& start, const QString& operations,
                     const TLanguage& language) {
    const qint64 needed = BytesToKeep(start, operations);
    if (needed > 0 && needed + JournalReserve > QStorageInfo(operations).bytesAvailable())
        throw EPackwrightError(ReplacePlaceholder(
            ReplacePlaceholder(language.GetString(QStringLiteral("OperationNoRoom")), u"Size",
                               QLocale().formattedDataSize(needed)),
            u"FolderName", QDir::toNativeSeparators(operations)));
}
} // namespace

// The file system is looked up once per folder: each look-up reads the system's mount table.
qint64 BytesToKeep(const OperationStart& start, const QString& keepFolder) {
    const QByteArray keepDevice = QStorageInfo(keepFolder).device();
    QHash<QString, bool> folderIsElsewhere;
    qint64 bytes = 0;
    for (const QString& file : start.FilesItMayMove) {
        const std::optional<qint64> size = FileSizeAt(file);
        if (!size)
            continue;
        const QString folder = QFileInfo(file).absolutePath();
        auto known = folderIsElsewhere.find(folder);
        if (known == folderIsElsewhere.end())
            known = folderIsElsewhere.insert(folder, QStorageInfo(folder).device() != keepDevice);
        if (*known)
            bytes += *size;
    }
    for (const QString& file : start.FilesItMayRewrite)
        bytes += FileSizeAt(file).value_or(0);
    return bytes;
}

Operation::Operation(const OperationStart& start, const TLanguage& language) {
    const QString operations = OperationsFolderOf(start.DataFolder);
    // A data folder that is not there would be made by the lock, and files.iff then
    // written into a folder nobody chose.
    if (!QFileInfo(start.DataFolder).isDir())
        throw EPackwrightError(
            FolderText(language, QStringLiteral("OperationJournalError"), start.DataFolder));
    HoldOperationsFolder(FLock, operations, start.LockWaitMs, language);
    CheckRoomToKeep(start, operations, language);
    Open(start, operations, language);
}

void Operation::Open(const OperationStart& start, const QString& operations,
                     const TLanguage& language) {
    FFolder = MakeOperationFolder(operations);
    FJournal.setFileName(JournalFileOf(FFolder));
    const JournalHeader header{
        .Kind = start.Kind, .Time = QDateTime::currentDateTime(), .Comment = start.Comment};
    if (!FFolder.isEmpty() && QDir().mkdir(KeepFolderOf(FFolder)) &&
        FJournal.open(QIODevice::WriteOnly | QIODevice::NewOnly) && Append(HeaderLine(header)) &&
        SyncFolderToDisk(operations))
        return;
    FJournal.close();
    if (!FFolder.isEmpty())
        QDir(FFolder).removeRecursively();
    FFolder.clear();
    throw EPackwrightError(
        FolderText(language, QStringLiteral("OperationJournalError"), operations));
}

Operation::~Operation() {
    if (!FCommitted && !FFolder.isEmpty()) {
        FJournal.close();
        RollBackOperation(FFolder);
    }
}

// Every line reaches the system before its step runs, so a kill never outruns the journal.
bool Operation::Append(const QByteArray& line, bool syncNow) {
    FBroken = FBroken || FJournal.write(line) != line.size() || !FJournal.flush();
    if (!FBroken && (syncNow || ++FUnsyncedLines >= UnsyncedLinesMax)) {
        FBroken = !SyncToDisk(FJournal);
        FUnsyncedLines = 0;
    }
    return !FBroken;
}

bool Operation::Step(StepKind kind, const QString& path, const QString& target) {
    if (FCommitted)
        return false;
    const JournalStep step{
        .Kind = kind, .Number = LastNumber() + 1, .Path = path, .Target = target};
    if (StepHook)
        StepHook(step.Number);
    // A step that only adds (a new file, a new folder) is synced with the next step that
    // moves or rewrites what stood before, or with the commit: a power cut may then leave a
    // few added files the journal does not name, but never a file moved without its line.
    const bool adds = kind == StepKind::Create || kind == StepKind::Folder;
    if (!Append(StepLine(step), !adds))
        return false;
    ForgetWritten(step);
    FSteps.append(step);
    return true;
}

bool Operation::Create(const QString& path) {
    return Step(StepKind::Create, path);
}

bool Operation::MakeFolders(const QString& folder) {
    for (const QString& level : MissingFolders(folder)) {
        if (!Step(StepKind::Folder, level) || !QDir().mkdir(level))
            return false;
    }
    return QFileInfo(folder).isDir();
}

// Only files are kept: a folder moved aside would take everything in it along.
bool Operation::Replace(const QString& path) {
    if (!Occupied(path))
        return Create(path);
    return !IsFolderAt(path) && Step(StepKind::Replace, path) &&
           MoveIntoKeep(path, KeptFileOf(FFolder, LastNumber()), &FError);
}

bool Operation::Remove(const QString& path) {
    return !IsFolderAt(path) && Step(StepKind::Remove, path) &&
           MoveIntoKeep(path, KeptFileOf(FFolder, LastNumber()), &FError);
}

bool Operation::Rewrite(const QString& path) {
    if (!Occupied(path))
        return Create(path);
    return !IsFolderAt(path) && Step(StepKind::Rewrite, path) &&
           CopyIntoKeep(path, KeptFileOf(FFolder, LastNumber()));
}

// No step is taken for a file that is not there, whose undo would take whatever stands at
// the target for it, nor for one already at the target, which would go to the keep folder.
bool Operation::Move(const QString& source, const QString& target) {
    if (!FileSizeAt(source) || QFileInfo(source) == QFileInfo(target))
        return false;
    const qsizetype before = FSteps.size();
    if ((!Occupied(target) || Replace(target)) && Step(StepKind::Move, source, target) &&
        MoveToFreePath(source, target, &FError))
        return true;
    UndoStepsAfter(before);
    return false;
}

// Only the time is read: a file whose size is not what was written is read back at commit.
void Operation::NoteWritten(const QString& path, qint64 size, const QByteArray& sha256) {
    const QFileInfo info(path);
    if (info.isFile() && info.size() == size)
        FWritten.insert(path, FileState{.Size = size,
                                        .ModifiedMs = info.lastModified().toMSecsSinceEpoch(),
                                        .Hash = sha256});
}

void Operation::ForgetWritten(const JournalStep& step) {
    FWritten.remove(step.Path);
    FWritten.remove(step.Target);
}

void Operation::UndoLastStep() {
    UndoStepsAfter(FSteps.size() - 1);
}

// Their lines stay: undoing a step twice does nothing more.
void Operation::UndoStepsAfter(qsizetype count) {
    for (qsizetype i = FSteps.size() - 1; i >= std::max<qsizetype>(count, 0); --i) {
        ForgetWritten(FSteps[i]);
        RollBackStep(FFolder, FSteps[i]);
    }
}

// One write and one sync for them all: a kill part-way leaves an uncommitted operation,
// and a line cut short is not read.
bool Operation::RecordWrittenFiles() {
    QByteArray lines;
    for (const JournalStep* step : StepsThatWrote()) {
        if (const std::optional<FileState> state = StateAt(ResultPath(*step)))
            lines += WrittenLine(step->Number, *state);
    }
    return lines.isEmpty() || Append(lines);
}

// The commit line says the new state is complete: every byte the steps wrote, through
// whatever handle, reaches the disk before it.
bool Operation::SyncWrittenFiles() const {
    std::vector<std::filesystem::path> written;
    for (const JournalStep* step : StepsThatWrote())
        written.push_back(DiskPathOf(ResultPath(*step)));
    return SyncFilesToDisk(written);
}

// The steps that leave a file at their path; a folder made or a file removed leaves none.
QList<const JournalStep*> Operation::StepsThatWrote() const {
    QList<const JournalStep*> wrote;
    for (const JournalStep& step : FSteps) {
        if (step.Kind != StepKind::Folder && step.Kind != StepKind::Remove)
            wrote.append(&step);
    }
    return wrote;
}

std::optional<FileState> Operation::StateAt(const QString& path) const {
    const auto written = FWritten.constFind(path);
    return written != FWritten.cend() ? std::optional(*written) : ReadFileState(path);
}

QString Operation::JournalErrorText(const TLanguage& language) const {
    return FolderText(language, QStringLiteral("OperationJournalError"), FFolder);
}

bool Operation::Commit() {
    if (StepHook)
        StepHook(LastNumber() + 1);
    FCommitted =
        !FFolder.isEmpty() && RecordWrittenFiles() && SyncWrittenFiles() && Append(CommitLine());
    if (FCommitted)
        PruneCommittedOperations(QFileInfo(FFolder).absolutePath(), StoredRetention());
    return FCommitted;
}

void SetBeforeStepHook(BeforeStepHook hook) {
    StepHook = hook;
}
