#include "farpack/BackupMove.h"

#include "fileutil/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
bool CopyThenDelete(const QString& source, const QString& target, FileCopier copy) {
    const qint64 size = QFileInfo(source).size();
    const bool copied = copy(source, target) == size && QFileInfo(target).size() == size;
    if (copied && RemoveWritable(source))
        return true;
    RemoveWritable(target);
    return false;
}
} // namespace

// A missing source fails both the rename and the copy.
bool MoveToBackup(const QString& source, const QString& target, FileCopier copy) {
    if (!QDir().mkpath(QFileInfo(target).absolutePath()) || QFileInfo::exists(target))
        return false;
    return RenameOver(source, target) || CopyThenDelete(source, target, copy);
}

bool RemoveWritable(const QString& path) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
    return file.remove();
}
