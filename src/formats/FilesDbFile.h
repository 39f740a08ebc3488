#pragma once

#include "formats/ContentKind.h"
#include "formats/IffContainerWriter.h"
#include "formats/InstalledFileRecord.h"

#include <QList>

#include <functional>
#include <optional>

class InstalledFilesDb;

// The layout of files.iff: per non-empty kind, a STR# chunk of (name, install time) pairs
// with the kind's value as id, and one of (name, comment) pairs with the value + 100.

// Reads every record whose file is still there and hands it to add, kind by kind in
// ascending order, each kind in file order. False when it left a record out.
bool ReadFilesDb(const QString& fileName,
                 const std::function<void(ContentKind, InstalledFileRecord)>& add);

// The chunks that hold the database; nothing when a kind has more records than a string
// list can count.
std::optional<QList<IffChunkToWrite>> FilesDbChunks(const InstalledFilesDb& db);
