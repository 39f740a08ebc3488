#include "JournalFixtures.h"

#include "FolderState.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

// Bytes read as Latin-1 keep every byte apart, so two files that differ anywhere differ here.
QStringList Snapshot(const QString& root) {
    QStringList entries;
    for (const auto& [name, bytes] : StateOf(root))
        entries.append(name.endsWith(QLatin1Char('/'))
                           ? name
                           : name + QLatin1Char('=') + QString::fromLatin1(bytes));
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
