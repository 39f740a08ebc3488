#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

// One record as files.iff stores it; the install time is the text in the file.
struct FixtureRecord {
    QString FileName{};
    QString InstalledAt{};
    QString Comment{};
};

// A files.iff holding, for each kind value in ascending order, the list of (name, time)
// pairs with the kind's value as id and the list of (name, comment) pairs with the value
// + 100. No resource map: readers never use it.
QByteArray BuildFilesDb(const QMap<int, QList<FixtureRecord>>& kinds);
