#include "journal/RollBack.h"

#include "fileutil/PartialFile.h"
#include "journal/KeptFiles.h"
#include "journal/OperationsFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {
// A folder that is not empty holds what someone else put there since, and stays.
void RemoveFolderIfEmpty(const QString& path) {
    QDir().rmdir(path);
}

// The journal goes first: a folder left half removed then reads as one whose operation
// never began.
void RemoveOperationFolder(const QString& operationFolder) {
    QFile::remove(JournalFileOf(operationFolder));
    QDir(operationFolder).removeRecursively();
}

// Partial copies a kill left behind do not count: the file they were copied from stayed.
bool HoldsKeptFiles(const QString& operationFolder) {
    const QStringList names =
        QDir(KeepFolderOf(operationFolder))
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    return std::ranges::any_of(
        names, [](const QString& name) { return !name.endsWith(QStringLiteral(".part")); });
}
} // namespace

bool RollBackStep(const QString& operationFolder, const JournalStep& step) {
    switch (step.Kind) {
    case StepKind::Create:
        // A copy cut short by a kill lies beside its target under its partial name.
        RemoveFile(PartialPathFor(step.Path));
        return !Occupied(step.Path) || RemoveFile(step.Path);
    case StepKind::Folder:
        RemoveFolderIfEmpty(step.Path);
        return true;
    case StepKind::Replace:
    case StepKind::Remove:
    case StepKind::Rewrite: {
        RemoveFile(PartialPathFor(step.Path));
        // No kept file: the step never got as far as keeping, or was undone before.
        const QString kept = KeptFileOf(operationFolder, step.Number);
        return !Occupied(kept) || PutBack(kept, step.Path);
    }
    case StepKind::Move:
        return MoveBack(step.Path, step.Target);
    }
    return false;
}

RollBackResult RollBackOperation(const QString& operationFolder) {
    RollBackResult result;
    QFile journal(JournalFileOf(operationFolder));
    const JournalContents contents =
        journal.open(QIODevice::ReadOnly) ? ParseJournal(journal.readAll()) : JournalContents{};
    journal.close();
    // Without a readable header no step can have begun; kept files then are not ours to
    // judge, and stay.
    if (!contents.Header) {
        if (!HoldsKeptFiles(operationFolder))
            RemoveOperationFolder(operationFolder);
        return result;
    }
    result.Readable = true;
    result.Header = *contents.Header;
    for (auto step = contents.Steps.crbegin(); step != contents.Steps.crend(); ++step) {
        if (!RollBackStep(operationFolder, *step))
            result.Failed.append(step->Path);
    }
    if (result.Failed.isEmpty())
        RemoveOperationFolder(operationFolder);
    return result;
}
