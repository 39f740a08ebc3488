#include "install/InstallKinds.h"

#include <algorithm>
#include <array>

namespace {
using enum ContentKind;

constexpr std::array<ContentKind, 26> Order = {FarFiles,        Objects,       Houses,
                                               Downtowns,       Islands,       Communities,
                                               Studios,         MagicAreas,    Families,
                                               ExpDowntowns,    ExpIslands,    ExpCommunities,
                                               ExpStudios,      ExpMagicAreas, Heads,
                                               RegularSkins,    FormalSkins,   NightSkins,
                                               SwimmingSkins,   WinterSkins,   HighFashionSkins,
                                               SkinAccessories, Animations,    Walls,
                                               Floors,          Roofs};

enum Pack { Tevarin, Ossery, Fennick, Glimmet, Wendle };

bool AnyOf(const PackFlags& packs, std::initializer_list<Pack> wanted) {
    return std::ranges::any_of(wanted, [&](Pack pack) { return packs[pack]; });
}
} // namespace

std::span<const ContentKind> InstallKindOrder() {
    return Order;
}

int InstallKindIndex(ContentKind kind) {
    const auto* at = std::ranges::find(Order, kind);
    return at == Order.end() ? -1 : static_cast<int>(at - Order.begin());
}

bool PacksAllow(ContentKind kind, const PackFlags& packs) {
    switch (kind) {
    case Downtowns:
    case ExpDowntowns:
        return packs[Tevarin];
    case Islands:
    case ExpIslands:
        return packs[Ossery];
    case Communities:
    case ExpCommunities:
        return packs[Fennick];
    case Studios:
    case ExpStudios:
        return packs[Glimmet];
    case MagicAreas:
    case ExpMagicAreas:
        return packs[Wendle];
    case FormalSkins:
    case NightSkins:
    case SwimmingSkins:
        return AnyOf(packs, {Tevarin, Ossery, Fennick, Glimmet, Wendle});
    case WinterSkins:
        return AnyOf(packs, {Ossery, Fennick, Glimmet, Wendle});
    case HighFashionSkins:
        return AnyOf(packs, {Glimmet, Wendle});
    default:
        return true;
    }
}

std::optional<ContentKind> SkinKindOfLetter(QChar letter) {
    switch (letter.toLower().unicode()) {
    case u'b':
        return RegularSkins;
    case u'c':
        return Heads;
    case u'f':
        return FormalSkins;
    case u'l':
        return NightSkins;
    case u's':
        return SwimmingSkins;
    case u'w':
        return WinterSkins;
    case u'h':
        return HighFashionSkins;
    default:
        return std::nullopt;
    }
}
