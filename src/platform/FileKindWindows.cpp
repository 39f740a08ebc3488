#include "platform/FileKind.h"

#include <QFileInfo>

bool IsRegularFile(const QString& path) {
    return QFileInfo(path).isFile();
}
