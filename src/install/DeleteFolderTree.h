#pragma once

#include <QString>

// Deletes a folder and everything in it, read-only entries included. Symbolic links are
// removed, never followed, so nothing outside the folder is touched. False when something
// could not be deleted.
bool DeleteFolderTree(const QString& path);
