#include "removal/ContentOutline.h"

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "removal/ContentNameOrder.h"
#include "removal/FoundContent.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// The tree as indented lines; file nodes end in their kind.
void Draw(const ContentNode& node, int depth, QStringList& lines) {
    QString line = QString(depth * 2, u' ') + node.Text;
    if (node.File)
        line += u" ("_s + QString::number(ContentKindValue(node.File->Kind)) + u')';
    lines.append(line);
    for (const ContentNode& child : node.Children)
        Draw(child, depth + 1, lines);
}

FoundFile Found(const QString& name, QStringList items = {}) {
    return {.DisplayName = name,
            .Path = u"/g/"_s + name,
            .NativePath = {},
            .FarItems = std::move(items),
            .Size = 0,
            .ModifiedMSecs = 0};
}
} // namespace

TEST(ContentOutlineTest, GroupsAndSortsEveryLevel) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    FoundContent content;
    content.List(FoundListId::ObjectsInUserObjects) = {Found(u"zeta.iff"_s), Found(u"Alpha.iff"_s)};
    // Letter case aside, "b" comes before "C", though not in byte order.
    content.List(FoundListId::ObjectsInObjects) = {Found(u"chair.iff"_s), Found(u"C.iff"_s),
                                                   Found(u"b.iff"_s)};
    content.List(FoundListId::Heads) = {Found(u"c1.bmp"_s)};
    content.List(FoundListId::Skins) = {Found(u"b1.bmp"_s)};
    content.List(FoundListId::Walls) = {Found(u"w.wll"_s)};
    content.List(FoundListId::FarArchives) = {Found(u"set.far"_s, {u"z.iff"_s, u"A.iff"_s})};

    const ContentNode root = BuildContentOutline(content, language);
    QStringList lines;
    Draw(root, 0, lines);
    const QString objects = QDir::toNativeSeparators(u"GameData/Objects/"_s);
    const QString userObjects = QDir::toNativeSeparators(u"GameData/UserObjects/"_s);
    EXPECT_EQ(lines, (QStringList{u"Installed Files"_s,
                                  u"  FAR Files"_s,
                                  u"    set.far (105)"_s,
                                  u"      A.iff (106)"_s,
                                  u"      z.iff (106)"_s,
                                  u"  Objects"_s,
                                  u"    "_s + objects,
                                  u"      b.iff (100)"_s,
                                  u"      C.iff (100)"_s,
                                  u"      chair.iff (100)"_s,
                                  u"    "_s + userObjects,
                                  u"      Alpha.iff (100)"_s,
                                  u"      zeta.iff (100)"_s,
                                  u"  Skins/Meshes"_s,
                                  u"    Heads"_s,
                                  u"      c1.bmp (131)"_s,
                                  u"    Regular Skins"_s,
                                  u"      b1.bmp (130)"_s,
                                  u"  Walls"_s,
                                  u"    w.wll (101)"_s}));

    const std::vector<const ContentFileInfo*> files = FileNodesInOrder(root);
    ASSERT_EQ(files.size(), 11u);
    EXPECT_EQ(ContentNodePath(*files[0]), u"/g/set.far"_s);
    EXPECT_EQ(ContentNodePath(*files[1]), u"/g/set.far"_s + QDir::separator() + u"A.iff"_s);
    EXPECT_EQ(*files[1], (ContentFileInfo{.Path = u"/g/set.far"_s,
                                          .Name = u"A.iff"_s,
                                          .Kind = ContentKind::FarPackedFiles,
                                          .InFar = true,
                                          .NativePath = {}}));
    EXPECT_TRUE(BuildContentOutline(FoundContent{}, language).Children.empty());
}

TEST(FoundContentTest, EveryListHasItsKindInTreeOrder) {
    using enum FoundListId;
    const std::vector<std::pair<FoundListId, int>> expected{
        {ObjectsInObjects, 100},
        {ObjectsInUserObjects, 100},
        {ObjectsInDownloads, 100},
        {Skins, 130},
        {Heads, 131},
        {Formals, 133},
        {Pyjamas, 134},
        {Swimsuits, 135},
        {Winters, 136},
        {Fashions, 137},
        {Accessories, 132},
        {Animations, 104},
        {Walls, 101},
        {Floors, 102},
        {Roofs, 103},
        {FarArchives, 105},
        {Houses, 110},
        {Downtowns, 111},
        {Islands, 112},
        {Communities, 113},
        {Studios, 114},
        {MagicAreas, 115},
        {Families, 120},
        {ExpDowntowns, 121},
        {ExpIslands, 122},
        {ExpCommunities, 123},
        {ExpStudios, 124},
        {ExpMagicAreas, 125},
    };
    ASSERT_EQ(AllFoundLists().size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const auto& [id, kind] = expected[i];
        EXPECT_EQ(AllFoundLists()[i].Id, id) << i;
        EXPECT_EQ(ContentKindValue(FoundListOf(id).Kind), kind) << i;
    }
}

// Letter case aside, in ASCII and beyond it; a name comes before the longer ones it begins.
TEST(ContentNameOrder, IgnoresLetterCaseInAndBeyondAscii) {
    const struct {
        const char16_t* Name;
        const char16_t* Other;
        bool Before;
    } cases[] = {
        {u"b.iff", u"C.iff", true},
        {u"C.iff", u"b.iff", false},
        {u"_x", u"B", true},
        {u"ab", u"AB", false},
        {u"AB", u"ab", false},
        {u"ab", u"ABc", true},
        {u"abc", u"AB", false},
        {u"x\u00E9a", u"X\u00C9b", true},
        {u"x\u00C9z", u"X\u00E9a", false},
        {u"Z", u"\u00E9", true},
    };
    for (const auto& test : cases)
        EXPECT_EQ(ComesBeforeByName(test.Name, test.Other), test.Before)
            << QString::fromUtf16(test.Name).toStdString() << " "
            << QString::fromUtf16(test.Other).toStdString();
}
