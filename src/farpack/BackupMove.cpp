#include "farpack/BackupMove.h"

#include "fileutil/FileCopy.h"
#include "fileutil/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Windows refuses to delete or replace a read-only file.
void MakeWritable(const QString& path) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
}

bool RemoveWritable(const QString& path) {
    MakeWritable(path);
    return QFile::remove(path);
}

bool CopyThenDelete(const QString& source, const QString& target) {
    const qint64 size = QFileInfo(source).size();
    if (CopyFileReplacing(source, target) != size || QFileInfo(target).size() != size)
        return false;
    if (RemoveWritable(source))
        return true;
    RemoveWritable(target);
    return false;
}
} // namespace

// A missing source fails both the rename and the copy.
bool MoveToBackup(const QString& source, const QString& target) {
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    if (QFileInfo::exists(target)) {
        if (IsSameFile(source, target))
            return false;
        MakeWritable(target);
    }
    return RenameOver(source, target) || CopyThenDelete(source, target);
}
