#pragma once

#include "support/TempFolder.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

// What an install left in a game folder and in files.iff, as plain values to compare.

// Each file below the folder (a name inside the test's folder, ending in "/"), as its path
// relative to that folder, with its bytes.
QMap<QString, QByteArray> FilesBelow(const TempFolder& folder, const QString& below);

// Each record of the database as "kind path comment" in ascending order of kind, the path
// relative to game (a folder path ending in "/") when it lies below it.
QStringList RecordLines(const QString& database, const QString& game);
