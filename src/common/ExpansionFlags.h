#pragma once

#include <array>

// The game's expansion packs 3 to 7, the ones with a box of their own on the options tab.
// Packs 1 and 2 only count towards Expansion.
struct ExpansionPack {
    const char* ValueName; // in the settings store
    const char* GameValue; // in the game's own registry key, "1" when installed
    const char* BoxName;   // its check box on the options tab
    const char* NameKey;   // its title in the language table
};

inline constexpr std::array<ExpansionPack, 5> ExpansionPacks = {{
    {.ValueName = "Tevarin",
     .GameValue = "EP3Installed",
     .BoxName = "TevarinInstalled",
     .NameKey = "Tevarin"},
    {.ValueName = "Ossery",
     .GameValue = "EP4Installed",
     .BoxName = "OsseryInstalled",
     .NameKey = "Ossery"},
    {.ValueName = "Fennick",
     .GameValue = "EP5Installed",
     .BoxName = "FennickInstalled",
     .NameKey = "Fennick"},
    {.ValueName = "Glimmet",
     .GameValue = "EP6Installed",
     .BoxName = "GlimmetInstalled",
     .NameKey = "Glimmet"},
    {.ValueName = "Magic",
     .GameValue = "EP7Installed",
     .BoxName = "MagicInstalled",
     .NameKey = "Wendle"},
}};

// One flag per pack of ExpansionPacks, in that order.
using PackFlags = std::array<bool, ExpansionPacks.size()>;

// Whether any expansion pack is installed, and which of packs 3 to 7.
struct ExpansionFlags {
    bool Expansion = false;
    PackFlags Packs{};

    friend bool operator==(const ExpansionFlags&, const ExpansionFlags&) = default;
};
