#pragma once

#include <QString>

// Entry names inside FAR archives keep "\" between folders, as the game writes them, and
// are stored as single bytes (Latin-1, which keeps every stored byte as it is).

// The name an added file gets: its bare file name, or with keepPaths the path as given with
// "\" between folders.
QString FarEntryNameForPath(const QString& path, bool keepPaths);

// The relative path, with "/" between folders, that an entry is extracted to below a folder.
QString FarEntryFilePath(const QString& name, bool keepPaths);

// True when a name written below a folder stays inside it: not empty, relative, no drive or
// stream mark (":"), no control character, and no empty, "." or ".." step.
bool IsSafeFarEntryName(const QString& name);

// True when the name is safe and every character fits in the single byte it is stored as.
bool IsStorableFarEntryName(const QString& name);
