#include "fileutil/DiskPath.h"

#include "common/PathBytes.h"

#ifndef Q_OS_WIN
#include <cerrno>
#include <cstring>
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

namespace {
// Qt's own file names would spell stray bytes otherwise: the system opens the file by its
// bytes and Qt takes the open handle.
bool Open(QFile& file, const QString& path, bool create, QString* reason) {
    const QIODevice::OpenMode mode = create ? QIODevice::WriteOnly : QIODevice::ReadOnly;
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (file.open(create ? mode | QIODevice::NewOnly : mode))
        return true;
    if (reason)
        *reason = file.errorString();
    return false;
#else
    const int flags = create ? O_WRONLY | O_CREAT | O_EXCL : O_RDONLY;
    const int handle = open(DiskPathOf(path).c_str(), flags | O_CLOEXEC, 0666);
    if (handle >= 0 && file.open(handle, mode, QFileDevice::AutoCloseHandle))
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(std::strerror(errno));
    if (handle >= 0)
        close(handle);
    return false;
#endif
}
} // namespace

bool OpenForReading(QFile& file, const QString& path) {
    return Open(file, path, false, nullptr);
}

bool OpenNewForWriting(QFile& file, const QString& path, QString* reason) {
    return Open(file, path, true, reason);
}

bool RemoveFile(const QString& path, QString* reason) {
    // A folder is never removed here, not even an empty one.
    if (IsFolderAt(path))
        return false;
    const std::filesystem::path file = DiskPathOf(path);
    std::error_code error;
    std::filesystem::permissions(file, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add, error);
    if (std::filesystem::remove(file, error))
        return true;
    if (reason)
        *reason = QString::fromLocal8Bit(error.message());
    return false;
}
