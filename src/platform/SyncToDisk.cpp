#include "platform/SyncToDisk.h"

#include <QFile>

#ifdef Q_OS_WIN
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

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
