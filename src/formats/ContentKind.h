#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <span>

// What a custom-content file is. The value is also the id of the kind's STR# chunk in
// files.iff and the id under which the game's own file list names its files.
enum class ContentKind : int {
    Objects = 100,
    Walls = 101,
    Floors = 102,
    Roofs = 103,
    Animations = 104,
    FarFiles = 105,
    FarPackedFiles = 106,
    Houses = 110,
    Downtowns = 111,
    Islands = 112,
    Communities = 113,
    Studios = 114,
    MagicAreas = 115,
    Families = 120,
    ExpDowntowns = 121,
    ExpIslands = 122,
    ExpCommunities = 123,
    ExpStudios = 124,
    ExpMagicAreas = 125,
    RegularSkins = 130,
    Heads = 131,
    SkinAccessories = 132,
    FormalSkins = 133,
    NightSkins = 134,
    SwimmingSkins = 135,
    WinterSkins = 136,
    HighFashionSkins = 137,
};

constexpr int ContentKindCount = 27;

// The trees of content gather some kinds under a caption of their own.
enum class ContentKindGroup { None, Lots, SkinsMain };

struct ContentKindInfo {
    ContentKind Kind;
    // Written into the label of the kind's chunks in files.iff.
    const char16_t* ChunkLabel;
    // The language key of the kind's caption; empty for a kind never shown on its own.
    const char16_t* DisplayKey;
    ContentKindGroup Group;
};

// Every kind in ascending order of value.
std::span<const ContentKindInfo> AllContentKinds();

// The kind's entry, or nullptr for a value that is not a kind.
const ContentKindInfo* FindContentKind(ContentKind kind);

// The kind with this value, if it is one.
std::optional<ContentKind> ContentKindFromValue(int value);

int ContentKindValue(ContentKind kind);

// The language key of the group's caption; empty for ContentKindGroup::None.
QString ContentKindGroupKey(ContentKindGroup group);
