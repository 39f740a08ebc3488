#include "formats/GameFileList.h"

#include "support/IffFixtures.h"
#include "support/StringListFixtures.h"
#include "TempFolderTest.h"

namespace {
FixtureChunk NameList(int id, const QList<FixtureString>& names) {
    return {.Type = "STR#", .Id = id, .Data = BuildStringList(FixtureListFormat::Values, names)};
}

class GameFileListTest : public TempFolderTest {};
} // namespace

TEST_F(GameFileListTest, FilesNamesUnderTheKindOfTheirChunk) {
    const QString path = Write(
        QStringLiteral("QuarnFiles.iff"),
        BuildIffFile({NameList(100, {{.Value = "Chair.iff"}, {.Value = "Sofa.iff"}}),
                      NameList(131, {{.Value = "Head01.cmx"}}), NameList(999, {{.Value = "x"}})}));
    const std::optional<GameFileList> list = GameFileList::Load(path);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->Contains(ContentKind::Objects, QStringLiteral("CHAIR.IFF")));
    EXPECT_FALSE(list->Contains(ContentKind::Heads, QStringLiteral("Chair.iff")));
    EXPECT_TRUE(list->Contains(ContentKind::Heads, QStringLiteral("head01.cmx")));
    EXPECT_EQ(list->Count(ContentKind::Objects), 2);
    EXPECT_EQ(list->Count(ContentKind::Walls), 0);
    EXPECT_FALSE(GameFileList::Load(PathOf(QStringLiteral("missing.iff"))));
}
