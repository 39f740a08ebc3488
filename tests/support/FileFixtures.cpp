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

QByteArray ReadFixtureFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SetFileModified(const QString& path, const QDateTime& stamp) {
    QFile file(path);
    return file.open(QIODevice::ReadWrite) &&
           file.setFileTime(stamp, QFileDevice::FileModificationTime);
}
