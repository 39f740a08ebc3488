#include "journal/KeptFiles.h"

#include "fileutil/DiskPath.h"
#include "fileutil/FileIdentity.h"
#include "fileutil/PartialFile.h"
#include "platform/SyncToDisk.h"

#include <QFile>
#include <QFileInfo>

namespace {
bool SyncFolderOf(const QString& file) {
    return SyncFolderToDisk(QFileInfo(file).absolutePath());
}

// A copier may say it copied the whole file and leave less, so the copy's size is checked
// too. The copy carries the file's permissions, so it is opened only for reading to be
// synced.
bool SyncedCopy(const QString& source, const QString& target, FileCopier copy) {
    const std::optional<qint64> size = FileSizeAt(source);
    if (!size || copy(source, target) != *size || FileSizeAt(target) != size)
        return false;
    QFile copied(target);
    return copied.open(QIODevice::ReadOnly) && SyncToDisk(copied);
}

// Copies under a partial name first, so that target names only a whole copy.
bool CopyDurably(const QString& source, const QString& target) {
    const QString partial = target + QStringLiteral(".part");
    if (SyncedCopy(source, partial, CopyFileReplacing) && RenameOver(partial, target) &&
        SyncFolderOf(target))
        return true;
    RemoveFile(partial);
    return false;
}

// The file goes only once its whole copy is on the disk, and the copy takes the target's
// name only then: until the file is gone, MoveBack takes the partial copy for a leftover.
bool CopyThenDelete(const QString& file, const QString& target, QString* reason, FileCopier copy) {
    const QString partial = PartialPathFor(target);
    if (!SyncedCopy(file, partial, copy) || !RemoveFile(file, reason)) {
        RemoveFile(partial);
        return false;
    }
    if (RenameOver(partial, target))
        return true;
    PutBack(partial, file);
    return false;
}
} // namespace

bool MoveIntoKeep(const QString& file, const QString& kept, QString* reason) {
    if (RenameOver(file, kept, reason))
        return SyncFolderToDisk(QFileInfo(kept).absolutePath());
    if (!CopyDurably(file, kept))
        return false;
    if (RemoveFile(file, reason))
        return true;
    RemoveFile(kept);
    return false;
}

bool CopyIntoKeep(const QString& file, const QString& kept) {
    return CopyDurably(file, kept);
}

bool PutBack(const QString& kept, const QString& file) {
    if (RenameOver(kept, file))
        return true;
    return CopyFileReplacing(kept, file) == FileSizeAt(kept) && RemoveFile(kept);
}

bool MoveToFreePath(const QString& file, const QString& target, QString* reason, FileCopier copy) {
    if (Occupied(target) || !FileSizeAt(file))
        return false;
    const bool moved =
        RenameOver(file, target, reason) || CopyThenDelete(file, target, reason, copy);
    if (moved && SyncFolderOf(target))
        return true;
    if (moved)
        MoveBack(file, target);
    return false;
}

bool MoveBack(const QString& file, const QString& target) {
    const QString partial = PartialPathFor(target);
    if (Occupied(file)) {
        RemoveFile(partial);
        return true;
    }
    if (Occupied(target))
        return PutBack(target, file);
    return !Occupied(partial) || PutBack(partial, file);
}

bool Occupied(const QString& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(DiskPathOf(path), error));
}
