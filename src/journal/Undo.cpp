#include "journal/Undo.h"

#include "common/PackwrightError.h"
#include "common/Placeholders.h"
#include "journal/FileStateReading.h"
#include "journal/History.h"
#include "journal/KeptFiles.h"
#include "journal/OperationsAccess.h"
#include "journal/OperationsFolder.h"
#include "journal/OperationText.h"
#include "journal/RollBack.h"
#include "language/TLanguage.h"
#include "platform/SyncToDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <optional>
#include <ranges>

namespace {
QString NativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString NamingFile(const QString& text, const QString& fileName) {
    return ReplacePlaceholder(text, u"FileName", NativePath(fileName));
}

// The newest later operation that changed a file this one changed must go first: undoing
// this one under it would bring back bytes and records that it replaced.
void CheckNothingLaterTouched(const QList<CommittedOperation>& committed, qsizetype index,
                              const TLanguage& language) {
    const QStringList files = TouchedFiles(committed[index].Contents);
    const QSet<QString> own(files.cbegin(), files.cend());
    for (qsizetype newer = committed.size() - 1; newer > index; --newer) {
        const CommittedOperation& later = committed[newer];
        for (const QString& file : TouchedFiles(later.Contents)) {
            if (own.contains(file))
                throw EPackwrightError(NamingFile(
                    ReplacePlaceholder(
                        DescribeOperation(language.GetString(QStringLiteral("UndoLaterChange")),
                                          later.Header, language),
                        u"Id", later.Id),
                    file));
        }
    }
}

// Only each file's last step tells what the operation left there: a file it removed or
// moved away must still be gone, any other must be as recorded at the commit.
std::optional<QString> ChangedFile(const JournalContents& contents) {
    QSet<QString> seen;
    const auto changed = [&](const QString& path, const FileState* written) {
        if (seen.contains(path))
            return false;
        seen.insert(path);
        return written ? ReadFileState(path) != *written : Occupied(path);
    };
    for (const JournalStep& step : contents.Steps | std::views::reverse) {
        if (step.Kind == StepKind::Folder)
            continue;
        const auto written = contents.Written.constFind(step.Number);
        if (changed(ResultPath(step), written == contents.Written.cend() ? nullptr : &*written))
            return ResultPath(step);
        if (step.Kind == StepKind::Move && changed(step.Path, nullptr))
            return step.Path;
    }
    return std::nullopt;
}

// Once this line is on the disk the operation counts as uncommitted again. A line cut
// short goes, so that a later try does not run on from it.
bool MarkUndoBegun(const QString& operationFolder) {
    QFile journal(JournalFileOf(operationFolder));
    if (!journal.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const qint64 committedSize = journal.size();
    const QByteArray line = UndoLine();
    if (journal.write(line) == line.size() && SyncToDisk(journal))
        return true;
    journal.resize(committedSize);
    return false;
}

UndoReport Reported(const RollBackResult& result, const QString& folder,
                    const TLanguage& language) {
    if (result.Failed.isEmpty())
        return {.Message = DescribeOperation(language.GetString(QStringLiteral("UndoDone")),
                                             result.Header, language),
                .Complete = true};
    const QString text =
        ReplacePlaceholder(DescribeOperation(language.GetString(QStringLiteral("UndoIncomplete")),
                                             result.Header, language),
                           u"FileNames", NativePathLines(result.Failed));
    return {.Message = ReplacePlaceholder(text, u"FolderName", NativePath(folder)),
            .Complete = false};
}
} // namespace

UndoReport UndoCommittedOperation(const QString& dataFolder, const QString& id, bool force,
                                  const TLanguage& language, int lockWaitMs) {
    const QString operations = OperationsFolderOf(dataFolder);
    const QString unknown =
        ReplacePlaceholder(language.GetString(QStringLiteral("UndoUnknown")), u"Id", id);
    if (!QFileInfo(operations).isDir())
        throw EPackwrightError(unknown);
    OperationsLock lock;
    HoldOperationsFolder(lock, operations, lockWaitMs, language);
    const QList<CommittedOperation> committed = CommittedOperations(dataFolder);
    const auto target = std::ranges::find(committed, id, &CommittedOperation::Id);
    if (target == committed.cend())
        throw EPackwrightError(unknown);
    CheckNothingLaterTouched(committed, target - committed.cbegin(), language);
    if (const std::optional<QString> changed = ChangedFile(target->Contents); changed && !force)
        throw EUndoFileChanged(
            NamingFile(DescribeOperation(language.GetString(QStringLiteral("UndoFileChanged")),
                                         target->Header, language),
                       *changed));
    if (!MarkUndoBegun(target->Folder))
        throw EPackwrightError(
            FolderText(language, QStringLiteral("OperationJournalError"), target->Folder));
    return Reported(RollBackOperation(target->Folder), target->Folder, language);
}
