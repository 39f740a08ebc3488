#pragma once

#include <QString>
#include <QStringList>

#include <map>

// The list of the game's own files (QuarnFiles.iff) for a clean installation of the game:
// every file that would count as custom content, under the id of its kind, named by its
// path relative to the game folder with "\" between folders.
struct GameFileNames {
    // By kind value, in ascending order of kind.
    std::map<int, QStringList> ByKind;

    qsizetype Count() const;
};

GameFileNames ListGameFiles(const QString& gameFolder);

// False when the file could not be written; an old file is replaced only by a complete one.
bool SaveGameFileList(const GameFileNames& names, const QString& fileName);
