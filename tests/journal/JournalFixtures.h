#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Every folder below root as "path/" and every file as "path=bytes", relative and sorted,
// leaving out the operations folder and its lock: the state an undo must restore exactly.
QStringList Snapshot(const QString& root);

// The journal lines of an operation as a test writes them by hand, each ending in a line
// break; fields are joined by tabs.
QByteArray JournalLines(const QList<QStringList>& lines);

// Makes data/operations/<id>/ with its keep folder and journal, and returns its path.
QString WriteOperation(const QString& dataFolder, const QString& id, const QByteArray& journal);

// The header line of an install begun 2026-12-07 17:30 with the comment "new chairs".
QStringList InstallHeader();
