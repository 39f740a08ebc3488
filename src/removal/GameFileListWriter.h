#pragma once

#include <QString>

// Writes the list of the game's own files (QuarnFiles.iff) for a clean installation of the
// game: every file that would count as custom content, under the id of its kind, named by
// its path relative to the game folder with "\" between folders. False when the file could
// not be written.
bool WriteGameFileList(const QString& gameFolder, const QString& fileName);
