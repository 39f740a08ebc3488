#pragma once

#include "formats/ContentKind.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <span>

// The lists of custom content found in a game folder, in the order the delete tab adds them
// to its tree: the sixteen the walk of the game folder fills, then the houses, areas and
// exported families and lots that the installed-files database records.
enum class FoundListId {
    ObjectsInObjects,
    ObjectsInUserObjects,
    ObjectsInDownloads,
    Skins,
    Heads,
    Formals,
    Pyjamas,
    Swimsuits,
    Winters,
    Fashions,
    Accessories,
    Animations,
    Walls,
    Floors,
    Roofs,
    FarArchives,
    Houses,
    Downtowns,
    Islands,
    Communities,
    Studios,
    MagicAreas,
    Families,
    ExpDowntowns,
    ExpIslands,
    ExpCommunities,
    ExpStudios,
    ExpMagicAreas,
};

constexpr int FoundListCount = 28;

// Where a list's files stand in a tree of content.
struct FoundListInfo {
    FoundListId Id;
    ContentKind Kind;
    // The language key of the group node the list sits in.
    const char16_t* GroupKey;
    // The sub-group inside the group: a language key, or for the object lists a literal
    // folder text (with "\" for the system's separator); empty for a list that is a group
    // of its own.
    const char16_t* SubGroupKey;
    const char16_t* SubGroupFolder;
};

// Every list in order.
std::span<const FoundListInfo> AllFoundLists();
const FoundListInfo& FoundListOf(FoundListId id);

// One custom-content file in the game folder.
struct FoundFile {
    // The path below the folder of its list, with the system's separators.
    QString DisplayName;
    // The full path, with the system's separators.
    QString Path;
    // The path as the disk spells it when Path's text does not (a name in no valid
    // encoding); empty otherwise.
    QByteArray NativePath;
    // For a FAR archive the names of its entries in archive order; empty when it could
    // not be read.
    QStringList FarItems;
    // As the walk found them; modified in milliseconds since 1970 (UTC), turned into a
    // local time only by those who show it.
    qint64 Size = 0;
    qint64 ModifiedMSecs = 0;

    bool operator==(const FoundFile&) const = default;
};
// A list of thousands grows by moving its memory rather than by copying every file.
Q_DECLARE_TYPEINFO(FoundFile, Q_RELOCATABLE_TYPE);

// The custom content of a game folder, each list in the order the walk found its files.
struct FoundContent {
    std::array<QList<FoundFile>, FoundListCount> Lists;
    // The paths (with the system's separators) of the FAR archives listed without entries
    // because they could not be read, in the order the walk found them.
    QStringList UnreadableArchives;
    // Set when the user stopped the scan: the lists then hold only part of the folder.
    bool Cancelled = false;

    QList<FoundFile>& List(FoundListId id) { return Lists[static_cast<size_t>(id)]; }
    const QList<FoundFile>& List(FoundListId id) const { return Lists[static_cast<size_t>(id)]; }
    bool IsEmpty() const;
};
