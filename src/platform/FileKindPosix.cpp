#include "platform/FileKind.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
bool NamesRegularFile(const char* path) {
    struct stat status {};
    return ::stat(path, &status) == 0 && S_ISREG(status.st_mode);
}

// A folder held only to look names up in: it needs no read permission, as a path walk
// through it needs none.
#ifdef O_PATH
constexpr int FolderHandleFlags = O_PATH | O_DIRECTORY | O_CLOEXEC;
#else
constexpr int FolderHandleFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;
#endif
} // namespace

bool IsRegularFile(const QString& path) {
    return !path.isEmpty() && NamesRegularFile(QFile::encodeName(path).constData());
}

RegularFileProbe::~RegularFileProbe() {
    if (FFolderHandle >= 0)
        ::close(FFolderHandle);
}

bool RegularFileProbe::IsRegularFile(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    const qsizetype slash = bytes.lastIndexOf('/');
    // A name without a folder, or one in the root folder, is asked about as it is.
    if (slash <= 0)
        return !bytes.isEmpty() && NamesRegularFile(bytes.constData());
    const QByteArrayView folder(bytes.constData(), slash);
    if (folder != FFolder)
        HoldFolder(folder);
    if (FFolderHandle < 0)
        return NamesRegularFile(bytes.constData());
    struct stat status {};
    return ::fstatat(FFolderHandle, bytes.constData() + slash + 1, &status, 0) == 0 &&
           S_ISREG(status.st_mode);
}

void RegularFileProbe::HoldFolder(QByteArrayView folder) {
    if (FFolderHandle >= 0)
        ::close(FFolderHandle);
    FFolder = folder.toByteArray();
    FFolderHandle = ::open(FFolder.constData(), FolderHandleFlags);
}
