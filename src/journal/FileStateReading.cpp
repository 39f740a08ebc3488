#include "journal/FileStateReading.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

std::optional<FileState> ReadFileState(const QString& path) {
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return std::nullopt;
    return FileState{.Size = info.size(),
                     .ModifiedMs = info.lastModified().toMSecsSinceEpoch(),
                     .Hash = hash.result()};
}
