#pragma once

#include <QByteArray>
#include <QString>

// Entry names inside FAR archives keep "\" between folders, as the game writes them.

// A stored name, read like every other text of the game: UTF-8 when the bytes are valid
// UTF-8, else the game's 8-bit code page. Different bytes can read as the same name, so an
// entry read from an archive keeps its bytes to write them back unchanged.
QString DecodeFarEntryName(const QByteArray& bytes);
// The bytes a new name is stored as: UTF-8, which reads back as the same name.
QByteArray EncodeFarEntryName(const QString& name);

// The name an added file gets: its bare file name, or with keepPaths the path as given with
// "\" between folders.
QString FarEntryNameForPath(const QString& path, bool keepPaths);

// The relative path, with "/" between folders, that an entry is extracted to below a folder.
QString FarEntryFilePath(const QString& name, bool keepPaths);

// True when a name written below a folder stays inside it: not empty, relative, no drive or
// stream mark (":"), no control character, and no empty, "." or ".." step. Archives may hold
// other names; they are listed, but such entries are never written to disk.
bool IsSafeFarEntryName(const QString& name);
