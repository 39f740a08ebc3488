#include "formats/ContentKind.h"

#include <algorithm>

namespace {
using enum ContentKind;
using enum ContentKindGroup;

constexpr ContentKindInfo Kinds[] = {
    {.Kind = Objects, .ChunkLabel = u"Objects", .DisplayKey = u"Objects", .Group = None},
    {.Kind = Walls, .ChunkLabel = u"Walls", .DisplayKey = u"Walls", .Group = None},
    {.Kind = Floors, .ChunkLabel = u"Floors", .DisplayKey = u"Floors", .Group = None},
    {.Kind = Roofs, .ChunkLabel = u"Roofs", .DisplayKey = u"Roofs", .Group = None},
    {.Kind = Animations, .ChunkLabel = u"Animations", .DisplayKey = u"Animations", .Group = None},
    {.Kind = FarFiles, .ChunkLabel = u"FAR Files", .DisplayKey = u"FARs", .Group = None},
    {.Kind = FarPackedFiles, .ChunkLabel = u"FAR-Packed Files", .DisplayKey = u"", .Group = None},
    {.Kind = Houses, .ChunkLabel = u"Houses", .DisplayKey = u"Houses", .Group = Lots},
    {.Kind = Downtowns, .ChunkLabel = u"Downtowns", .DisplayKey = u"Downtowns", .Group = Lots},
    {.Kind = Islands, .ChunkLabel = u"Islands", .DisplayKey = u"Osserys", .Group = Lots},
    {.Kind = Communities,
     .ChunkLabel = u"Communities",
     .DisplayKey = u"Communities",
     .Group = Lots},
    {.Kind = Studios, .ChunkLabel = u"Studios", .DisplayKey = u"StudioTowns", .Group = Lots},
    {.Kind = MagicAreas, .ChunkLabel = u"Magic Areas", .DisplayKey = u"MagicTowns", .Group = Lots},
    {.Kind = Families, .ChunkLabel = u"Families", .DisplayKey = u"ExpFamilies", .Group = Lots},
    {.Kind = ExpDowntowns,
     .ChunkLabel = u"Exp Downtowns",
     .DisplayKey = u"ExpDowntowns",
     .Group = Lots},
    {.Kind = ExpIslands, .ChunkLabel = u"Exp Islands", .DisplayKey = u"ExpOsserys", .Group = Lots},
    {.Kind = ExpCommunities,
     .ChunkLabel = u"Exp Communities",
     .DisplayKey = u"ExpCommunities",
     .Group = Lots},
    {.Kind = ExpStudios, .ChunkLabel = u"Exp Studios", .DisplayKey = u"ExpStudios", .Group = Lots},
    {.Kind = ExpMagicAreas,
     .ChunkLabel = u"Exp Magic Areas",
     .DisplayKey = u"ExpMagics",
     .Group = Lots},
    {.Kind = RegularSkins,
     .ChunkLabel = u"Regular Skins",
     .DisplayKey = u"Skins",
     .Group = SkinsMain},
    {.Kind = Heads, .ChunkLabel = u"Heads", .DisplayKey = u"Heads", .Group = SkinsMain},
    {.Kind = SkinAccessories,
     .ChunkLabel = u"Skins Accessories",
     .DisplayKey = u"Accessories",
     .Group = SkinsMain},
    {.Kind = FormalSkins,
     .ChunkLabel = u"Formal Skins",
     .DisplayKey = u"Formals",
     .Group = SkinsMain},
    {.Kind = NightSkins,
     .ChunkLabel = u"Night Skins",
     .DisplayKey = u"Pyjamas",
     .Group = SkinsMain},
    {.Kind = SwimmingSkins,
     .ChunkLabel = u"Swimming Skins",
     .DisplayKey = u"Swimsuits",
     .Group = SkinsMain},
    {.Kind = WinterSkins,
     .ChunkLabel = u"Winter Skins",
     .DisplayKey = u"Winters",
     .Group = SkinsMain},
    {.Kind = HighFashionSkins,
     .ChunkLabel = u"High Fashion Skins",
     .DisplayKey = u"Fashions",
     .Group = SkinsMain},
};

static_assert(std::size(Kinds) == ContentKindCount);

struct GroupCaption {
    ContentKindGroup Group;
    const char16_t* CaptionKey;
};

constexpr GroupCaption GroupCaptions[] = {
    {.Group = Lots, .CaptionKey = u"Lots"},
    {.Group = SkinsMain, .CaptionKey = u"SkinsMain"},
};
} // namespace

std::span<const ContentKindInfo> AllContentKinds() {
    return Kinds;
}

const ContentKindInfo* FindContentKind(ContentKind kind) {
    const auto found = std::ranges::find(Kinds, kind, &ContentKindInfo::Kind);
    return found == std::end(Kinds) ? nullptr : found;
}

std::optional<ContentKind> ContentKindFromValue(int value) {
    const ContentKindInfo* info = FindContentKind(static_cast<ContentKind>(value));
    return info ? std::optional(info->Kind) : std::nullopt;
}

int ContentKindValue(ContentKind kind) {
    return static_cast<int>(kind);
}

QString ContentKindGroupKey(ContentKindGroup group) {
    const auto found = std::ranges::find(GroupCaptions, group, &GroupCaption::Group);
    return found == std::end(GroupCaptions) ? QString() : QString::fromUtf16(found->CaptionKey);
}
