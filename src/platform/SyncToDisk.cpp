#include "platform/SyncToDisk.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <set>

bool SyncToDisk(QFileDevice& file) {
    if (!file.flush())
        return false;
#ifdef Q_OS_WIN
    return _commit(file.handle()) == 0;
#else
    return fsync(file.handle()) == 0;
#endif
}

void StartWritingToDisk(QFileDevice& file) {
#ifdef Q_OS_LINUX
    if (file.flush())
        sync_file_range(file.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#else
    Q_UNUSED(file);
#endif
}

bool SyncFolderToDisk(const QString& folder) {
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return true;
#else
    const int handle = open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return false;
    const bool synced = fsync(handle) == 0;
    close(handle);
    return synced;
#endif
}

#ifdef Q_OS_WIN
bool SyncFilesToDisk(const std::vector<std::filesystem::path>& files) {
    for (const std::filesystem::path& path : files) {
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                        FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                        nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            if (GetLastError() == ERROR_FILE_NOT_FOUND)
                continue;
            return false;
        }
        const bool flushed = FlushFileBuffers(file) != 0;
        CloseHandle(file);
        if (!flushed)
            return false;
    }
    return true;
}
#else
namespace {
// syncfs where the system has it, a flush of the one file elsewhere.
bool SyncThrough(int handle, bool wholeFileSystem) {
#ifdef Q_OS_LINUX
    if (wholeFileSystem)
        return syncfs(handle) == 0;
#else
    Q_UNUSED(wholeFileSystem);
#endif
    return fsync(handle) == 0;
}
} // namespace

bool SyncFilesToDisk(const std::vector<std::filesystem::path>& files) {
#ifdef Q_OS_LINUX
    constexpr bool OncePerFileSystem = true;
#else
    constexpr bool OncePerFileSystem = false;
#endif
    std::set<dev_t> synced;
    for (const std::filesystem::path& path : files) {
        struct stat status;
        if (stat(path.c_str(), &status) != 0) {
            if (errno == ENOENT)
                continue;
            return false;
        }
        if (OncePerFileSystem && !synced.insert(status.st_dev).second)
            continue;
        const int handle = open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (handle < 0)
            return false;
        const bool done = SyncThrough(handle, OncePerFileSystem);
        close(handle);
        if (!done)
            return false;
    }
    return true;
}
#endif
