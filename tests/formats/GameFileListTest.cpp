#include "formats/GameFileList.h"

#include "support/IffFixtures.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace {
FixtureChunk NameList(int id, const QList<FixtureString>& names) {
    return {.Type = "STR#", .Id = id, .Data = BuildStringList(FixtureListFormat::Values, names)};
}

class GameFileListTest : public TempFolderTest {};
} // namespace

TEST_F(GameFileListTest, FilesNamesUnderTheKindOfTheirChunk) {
    const QString path = FFolder.Write(
        u"QuarnFiles.iff"_s,
        BuildIffFile(
            {NameList(100, {{.Value = "Chair.iff"}, {.Value = "GameData\\Objects\\Sofa.iff"}}),
             NameList(131, {{.Value = "Head01.cmx"}}), NameList(999, {{.Value = "x"}})}));
    const std::optional<GameFileList> list = GameFileList::Load(path);
    ASSERT_TRUE(list);
    EXPECT_TRUE(list->Contains(ContentKind::Objects, u"CHAIR.IFF"_s));
    EXPECT_FALSE(list->Contains(ContentKind::Heads, u"Chair.iff"_s));
    EXPECT_TRUE(list->Contains(ContentKind::Heads, u"head01.cmx"_s));
    EXPECT_TRUE(list->Contains(ContentKind::Objects, u"gamedata/objects/sofa.iff"_s));
    EXPECT_EQ(list->Count(ContentKind::Objects), 2);
    EXPECT_EQ(list->Count(ContentKind::Walls), 0);
    EXPECT_FALSE(GameFileList::Load(FFolder.Path(u"missing.iff"_s)));
}
