#pragma once

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>

// The fuzz input written to a file, for readers that take file names. Every input reuses
// the same file in a folder of this process, removed when the process ends.
inline QString FuzzInputFile(const uint8_t* data, size_t size, const char* name = "input.iff") {
    static const QTemporaryDir folder;
    const QString path = folder.filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), qint64(size)) != qint64(size))
        std::abort();
    return path;
}
