#include "journal/KeptFiles.h"

#include "fileutil/FileCopy.h"
#include "fileutil/FileIdentity.h"
#include "platform/SyncToDisk.h"

#include <QFile>
#include <QFileInfo>

namespace {
// The copy carries the file's permissions, so it is opened only for reading to be synced.
bool SyncedCopy(const QString& source, const QString& target) {
    if (CopyFileReplacing(source, target) != QFileInfo(source).size())
        return false;
    QFile copy(target);
    return copy.open(QIODevice::ReadOnly) && SyncToDisk(copy);
}

// Copies under a partial name first, so that target names only a whole copy.
bool CopyDurably(const QString& source, const QString& target) {
    const QString partial = target + QStringLiteral(".part");
    if (SyncedCopy(source, partial) && RenameOver(partial, target) &&
        SyncFolderToDisk(QFileInfo(target).absolutePath()))
        return true;
    RemoveFile(partial);
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
    return CopyFileReplacing(kept, file) == QFileInfo(kept).size() && RemoveFile(kept);
}

bool RemoveFile(const QString& path, QString* reason) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    if (file.remove())
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
}

bool Occupied(const QString& path) {
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}
