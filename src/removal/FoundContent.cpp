#include "removal/FoundContent.h"

#include <algorithm>

namespace {
using enum FoundListId;
using K = ContentKind;

constexpr std::array<FoundListInfo, FoundListCount> Lists{{
    {.Id = ObjectsInObjects,
     .Kind = K::Objects,
     .GroupKey = u"Objects",
     .SubGroupKey = u"",
     .SubGroupFolder = u"GameData\\Objects\\"},
    {.Id = ObjectsInUserObjects,
     .Kind = K::Objects,
     .GroupKey = u"Objects",
     .SubGroupKey = u"",
     .SubGroupFolder = u"GameData\\UserObjects\\"},
    {.Id = ObjectsInDownloads,
     .Kind = K::Objects,
     .GroupKey = u"Objects",
     .SubGroupKey = u"",
     .SubGroupFolder = u"Downloads\\"},
    {.Id = Skins,
     .Kind = K::RegularSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Skins",
     .SubGroupFolder = u""},
    {.Id = Heads,
     .Kind = K::Heads,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Heads",
     .SubGroupFolder = u""},
    {.Id = Formals,
     .Kind = K::FormalSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Formals",
     .SubGroupFolder = u""},
    {.Id = Pyjamas,
     .Kind = K::NightSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Pyjamas",
     .SubGroupFolder = u""},
    {.Id = Swimsuits,
     .Kind = K::SwimmingSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Swimsuits",
     .SubGroupFolder = u""},
    {.Id = Winters,
     .Kind = K::WinterSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Winters",
     .SubGroupFolder = u""},
    {.Id = Fashions,
     .Kind = K::HighFashionSkins,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Fashions",
     .SubGroupFolder = u""},
    {.Id = Accessories,
     .Kind = K::SkinAccessories,
     .GroupKey = u"SkinsMain",
     .SubGroupKey = u"Accessories",
     .SubGroupFolder = u""},
    {.Id = Animations,
     .Kind = K::Animations,
     .GroupKey = u"Animations",
     .SubGroupKey = u"",
     .SubGroupFolder = u""},
    {.Id = Walls,
     .Kind = K::Walls,
     .GroupKey = u"Walls",
     .SubGroupKey = u"",
     .SubGroupFolder = u""},
    {.Id = Floors,
     .Kind = K::Floors,
     .GroupKey = u"Floors",
     .SubGroupKey = u"",
     .SubGroupFolder = u""},
    {.Id = Roofs,
     .Kind = K::Roofs,
     .GroupKey = u"Roofs",
     .SubGroupKey = u"",
     .SubGroupFolder = u""},
    {.Id = FarArchives,
     .Kind = K::FarFiles,
     .GroupKey = u"FARs",
     .SubGroupKey = u"",
     .SubGroupFolder = u""},
}};
} // namespace

std::span<const FoundListInfo> AllFoundLists() {
    return Lists;
}

const FoundListInfo& FoundListOf(FoundListId id) {
    return Lists[static_cast<size_t>(id)];
}

bool FoundContent::IsEmpty() const {
    return std::ranges::all_of(Lists, [](const QList<FoundFile>& list) { return list.isEmpty(); });
}
