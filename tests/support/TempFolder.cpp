#include "support/TempFolder.h"

#include "support/FileFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

QString TempFolder::Write(const QString& name, const QByteArray& bytes) const {
    const QString path = Path(name);
    EXPECT_TRUE(WriteFixtureFile(path, bytes)) << path.toStdString();
    return path;
}

QByteArray TempFolder::Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList TempFolder::Contents() const {
    QStringList names;
    QDirIterator entries(FRoot.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                         QDirIterator::Subdirectories);
    while (entries.hasNext())
        names.append(QDir(FRoot.path()).relativeFilePath(entries.next()));
    names.sort();
    return names;
}
