#include "formats/ContentKind.h"

#include <gtest/gtest.h>

// The values are ids in files.iff and in the game's own file list: each is written out here
// so that a changed value fails.
TEST(ContentKind, EveryKindHasItsStoredValueInAscendingOrder) {
    using enum ContentKind;
    const std::pair<ContentKind, int> kinds[] = {
        {Objects, 100},        {Walls, 101},           {Floors, 102},           {Roofs, 103},
        {Animations, 104},     {FarFiles, 105},        {FarPackedFiles, 106},   {Houses, 110},
        {Downtowns, 111},      {Islands, 112},         {Communities, 113},      {Studios, 114},
        {MagicAreas, 115},     {Families, 120},        {ExpDowntowns, 121},     {ExpIslands, 122},
        {ExpCommunities, 123}, {ExpStudios, 124},      {ExpMagicAreas, 125},    {RegularSkins, 130},
        {Heads, 131},          {SkinAccessories, 132}, {FormalSkins, 133},      {NightSkins, 134},
        {SwimmingSkins, 135},  {WinterSkins, 136},     {HighFashionSkins, 137},
    };
    ASSERT_EQ(AllContentKinds().size(), std::size(kinds));
    for (size_t i = 0; i < std::size(kinds); ++i) {
        const auto [kind, value] = kinds[i];
        EXPECT_EQ(ContentKindValue(kind), value);
        EXPECT_EQ(ContentKindFromValue(value), kind) << value;
        EXPECT_EQ(AllContentKinds()[i].Kind, kind) << value;
    }
    for (int value : {99, 107, 109, 116, 126, 129, 138, 200})
        EXPECT_FALSE(ContentKindFromValue(value)) << value;
}
