#include "platform/FileKind.h"

#include <QFile>

#include <sys/stat.h>

bool IsRegularFile(const QString& path) {
    struct stat status {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 &&
           S_ISREG(status.st_mode);
}
