#pragma once

#include "removal/FoundContent.h"

#include <QString>

#include <optional>

class GameFileList;

// Where a file found in the game folder belongs.
struct FoundFileClass {
    FoundListId List;
    // The relative path without the folder its list is named after, with "/" between folders.
    QString DisplayName;

    bool operator==(const FoundFileClass&) const = default;
};

// Sorts one file, given by its path relative to the game folder ("\" or "/" between
// folders), into a list of custom content by its folder and extension; nothing for a file
// that is none, or that the game itself ships as that kind. Folder names are matched
// without regard to letter case and mean the folder itself: "GameData/SkinsOld" is not
// inside "GameData/Skins".
std::optional<FoundFileClass> ClassifyFoundFile(const QString& relativePath,
                                                const GameFileList& gameFiles);
