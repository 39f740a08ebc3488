#include "journal/FileStateReading.h"

#include "fileutil/ContentHash.h"
#include "fileutil/DiskPath.h"

#include <QFile>

std::optional<FileState> ReadFileState(const QString& path) {
    QFile file;
    if (!FileSizeAt(path) || !OpenForReading(file, path))
        return std::nullopt;
    ContentHash hash;
    if (!hash.AddAll(file))
        return std::nullopt;
    return FileState{.Size = file.size(),
                     .ModifiedMs =
                         file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(),
                     .Hash = hash.Result()};
}
