#include "platform/FileKind.h"

#include <QFileInfo>

bool IsRegularFile(const QString& path) {
    return QFileInfo(path).isFile();
}

// Windows has no look-up relative to an open folder that would save a path walk.
RegularFileProbe::~RegularFileProbe() = default;

bool RegularFileProbe::IsRegularFile(const QString& path) {
    return ::IsRegularFile(path);
}
