#include "fileutil/DiskPath.h"

#include "common/PathBytes.h"

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

std::filesystem::path DiskPathOf(const QString& path) {
#ifdef Q_OS_WIN
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(BytesOfPath(path).toStdString());
#endif
}

std::optional<qint64> FileSizeAt(const QString& path) {
    std::error_code error;
    const std::filesystem::path disk = DiskPathOf(path);
    if (!std::filesystem::is_regular_file(disk, error))
        return std::nullopt;
    const auto size = std::filesystem::file_size(disk, error);
    return error ? std::nullopt : std::optional(qint64(size));
}

bool IsFolderAt(const QString& path) {
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::symlink_status(DiskPathOf(path), error));
}

bool OpenForReading(QFile& file, const QString& path) {
#ifdef Q_OS_WIN
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
#else
    const int handle = open(DiskPathOf(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0)
        return false;
    if (file.open(handle, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    close(handle);
    return false;
#endif
}
