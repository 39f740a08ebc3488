#include "JournalFixtures.h"

#include "support/FileFixtures.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

QStringList Snapshot(const QString& root) {
    QStringList entries;
    QDirIterator walk(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                      QDirIterator::Subdirectories);
    while (walk.hasNext()) {
        const QString path = walk.next();
        const QString name = QDir(root).relativeFilePath(path);
        if (name.split(QLatin1Char('/')).contains(u"operations"))
            continue;
        QFile file(path);
        if (walk.fileInfo().isDir())
            entries.append(name + QLatin1Char('/'));
        else if (file.open(QIODevice::ReadOnly))
            entries.append(name + QLatin1Char('=') + QString::fromUtf8(file.readAll()));
    }
    entries.sort();
    return entries;
}

QByteArray JournalLines(const QList<QStringList>& lines) {
    QByteArray bytes;
    for (const QStringList& line : lines)
        bytes += line.join(QLatin1Char('\t')).toUtf8() + '\n';
    return bytes;
}

QString WriteOperation(const QString& dataFolder, const QString& id, const QByteArray& journal) {
    const QString folder = dataFolder + QStringLiteral("/operations/") + id;
    EXPECT_TRUE(QDir().mkpath(folder + QStringLiteral("/keep")));
    EXPECT_TRUE(WriteFixtureFile(folder + QStringLiteral("/journal.txt"), journal));
    return folder;
}

QStringList InstallHeader() {
    return {QStringLiteral("packwright-journal"), QStringLiteral("1"), QStringLiteral("install"),
            QStringLiteral("2026-12-07T17:30:00"), QStringLiteral("new chairs")};
}
