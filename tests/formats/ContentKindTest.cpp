#include "formats/ContentKind.h"

#include <gtest/gtest.h>

TEST(ContentKind, TableRunsInAscendingOrderWithGaps) {
    const auto kinds = AllContentKinds();
    ASSERT_EQ(kinds.size(), 27u);
    for (size_t i = 1; i < kinds.size(); ++i)
        EXPECT_LT(ContentKindValue(kinds[i - 1].Kind), ContentKindValue(kinds[i].Kind));
    for (int gap : {99, 107, 109, 116, 119, 126, 129, 138})
        EXPECT_FALSE(ContentKindFromValue(gap)) << gap;
    EXPECT_EQ(ContentKindFromValue(112), ContentKind::Islands);
}

TEST(ContentKind, KindsCarryTheirLabelsKeysAndGroups) {
    const ContentKindInfo* packed = FindContentKind(ContentKind::FarPackedFiles);
    ASSERT_TRUE(packed);
    EXPECT_EQ(QString::fromUtf16(packed->ChunkLabel), QStringLiteral("FAR-Packed Files"));
    EXPECT_TRUE(QString::fromUtf16(packed->DisplayKey).isEmpty());
    const ContentKindInfo* islands = FindContentKind(ContentKind::ExpIslands);
    EXPECT_EQ(QString::fromUtf16(islands->ChunkLabel), QStringLiteral("Exp Islands"));
    EXPECT_EQ(QString::fromUtf16(islands->DisplayKey), QStringLiteral("ExpOsserys"));
    EXPECT_EQ(ContentKindGroupKey(islands->Group), QStringLiteral("Lots"));
    EXPECT_EQ(ContentKindGroupKey(FindContentKind(ContentKind::HighFashionSkins)->Group),
              QStringLiteral("SkinsMain"));
    EXPECT_EQ(FindContentKind(ContentKind::Animations)->Group, ContentKindGroup::None);
}
