#pragma once

#include <QString>

// Makes fileCount small files below root, a hundred to a folder and ten such folders to a
// parent folder, the way content piles up in a game folder. Returns the number of entries
// (files and folders) below root, or -1 when something cannot be written.
int MakeFileTree(const QString& root, int fileCount);
