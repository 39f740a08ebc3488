#pragma once

#include <QString>

#include <array>
#include <vector>

// The folders of the game whose object files can be packed, in the order the tab shows them.
enum class FarSource { Downloads, Objects, UserObjects };

struct FarSourceInfo {
    FarSource Source;
    // Below the game folder, "\" between folders as the game names them.
    const char* Folder;
    // The group node's text in the tab.
    const char* GroupText;
};

inline constexpr std::array<FarSourceInfo, 3> FarSources{{
    {FarSource::Downloads, "Downloads", "\\Downloads"},
    {FarSource::Objects, "GameData\\Objects", "\\GameData\\Objects"},
    {FarSource::UserObjects, "GameData\\UserObjects", "\\GameData\\UserObjects"},
}};

// An object file that can be packed.
struct FarCandidate {
    FarSource Source = FarSource::UserObjects;
    // The path below its source folder with "\" between folders: the node's text and the
    // name the file gets inside the archive.
    QString EntryName;
    QString FullPath;

    bool operator==(const FarCandidate&) const = default;
};

// The source folder as it exists in the game folder in any letter case, with a trailing
// separator; spelt as given where it does not exist.
QString FarSourceFolder(const QString& gameFolder, FarSource source);

// Every *.iff file below the three source folders, each folder searched breadth-first;
// grouped by source in the order above and sorted by entry name within a source.
std::vector<FarCandidate> FindFarCandidates(const QString& gameFolder);
