#include "farpack/BackupMove.h"

#include "fileutil/FileCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {
std::filesystem::path FileSystemPath(const QString& path) {
    return std::filesystem::path(path.toStdU16String());
}

bool IsSameFile(const QString& a, const QString& b) {
    std::error_code error;
    return std::filesystem::equivalent(FileSystemPath(a), FileSystemPath(b), error);
}

bool RenameOver(const QString& source, const QString& target) {
    std::error_code error;
    std::filesystem::rename(FileSystemPath(source), FileSystemPath(target), error);
    return !error;
}

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
