#include "journal/FileStateReading.h"

#include "fileutil/DiskPath.h"

#include <QCryptographicHash>
#include <QFile>

std::optional<FileState> ReadFileState(const QString& path) {
    QFile file;
    if (!FileSizeAt(path) || !OpenForReading(file, path))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return FileState{.Size = file.size(),
                     .ModifiedMs =
                         file.fileTime(QFileDevice::FileModificationTime).toMSecsSinceEpoch(),
                     .Hash = hash.result()};
}
