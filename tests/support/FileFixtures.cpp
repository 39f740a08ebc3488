#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

bool WriteFixtureFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).path()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool SetFileModified(const QString& path, const QDateTime& stamp) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(stamp, QFileDevice::FileModificationTime);
}
