#include "removal/ClassifyFoundFile.h"

#include "formats/GameFileList.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using enum FoundListId;

namespace {
struct ClassifyCase {
    const char16_t* Path;
    std::optional<FoundFileClass> Expected;
};

FoundFileClass In(FoundListId list, const QString& displayName) {
    return {.List = list, .DisplayName = displayName};
}

// The game ships one file of each kind that the rules test.
GameFileList ShippedFiles(const TempFolder& folder) {
    const QString path =
        folder.Write(u"QuarnFiles.iff"_s, BuildStringChunksFile({
                                              {100, "GameData\\Objects\\Chair.iff"},
                                              {130, "gamedata/skins/B001fafit_01.bmp"},
                                              {132, "GameData\\Skins\\x001.bmp"},
                                              {105, "GameData\\Objects\\Objects.far"},
                                              {101, "GameData\\Walls\\brick.wll"},
                                              {131, "GameData\\Skins\\b002.bmp"},
                                          }));
    return *GameFileList::Load(path);
}
} // namespace

TEST(ClassifyFoundFileTest, SortsByFolderExtensionAndSkinLetter) {
    TempFolder folder;
    const GameFileList shipped = ShippedFiles(folder);
    const std::vector<ClassifyCase> cases{
        {u"GameData\\Objects\\Sub\\Chair.iff", In(ObjectsInObjects, u"Sub/Chair.iff"_s)},
        {u"gamedata/userobjects/Sofa.IFF", In(ObjectsInUserObjects, u"Sofa.IFF"_s)},
        {u"Downloads\\lamp.iff", In(ObjectsInDownloads, u"lamp.iff"_s)},
        {u"GameData\\ObjectsOld\\lamp.iff", std::nullopt},
        {u"UserData\\lamp.iff", std::nullopt},
        {u"GameData\\Skins\\b123fafit_01.bmp", In(Skins, u"b123fafit_01.bmp"_s)},
        {u"GameData\\Skins\\c123fahead.bmp", In(Heads, u"c123fahead.bmp"_s)},
        {u"GameData\\Skins\\f1.bmp", In(Formals, u"f1.bmp"_s)},
        {u"GameData\\Skins\\L1.bmp", In(Pyjamas, u"L1.bmp"_s)},
        {u"GameData\\Skins\\s1.bmp", In(Swimsuits, u"s1.bmp"_s)},
        {u"GameData\\Skins\\w1.bmp", In(Winters, u"w1.bmp"_s)},
        {u"GameData\\Skins\\h1.bmp", In(Fashions, u"h1.bmp"_s)},
        {u"GameData\\Skins\\x123fafit.bmp", In(Accessories, u"x123fafit.bmp"_s)},
        {u"GameData\\Skins\\bx23fafit.bmp", In(Accessories, u"bx23fafit.bmp"_s)},
        {u"GameData\\Skins\\b.bmp", In(Accessories, u"b.bmp"_s)},
        {u"ExpansionPack3\\SkinsBuy\\w9coat.cmx", In(Winters, u"w9coat.cmx"_s)},
        {u"ExpansionShared\\SkinsBuy\\xskin-b001fafit_01-body.skn",
         In(Skins, u"xskin-b001fafit_01-body.skn"_s)},
        {u"GameData\\Skins\\xskin-c1-head.skn", In(Heads, u"xskin-c1-head.skn"_s)},
        // A mesh outside the skin folders ends the sorting: no later rule takes it.
        {u"GameData\\Animation\\b001.cmx", std::nullopt},
        // The folder itself, not a folder whose name starts alike.
        {u"GameData\\SkinsOld\\b1.bmp", std::nullopt},
        {u"GameData\\Roofs\\slate.bmp", In(Roofs, u"slate.bmp"_s)},
        {u"GameData\\Walls\\stone.WLL", In(Walls, u"stone.WLL"_s)},
        {u"GameData\\Floors\\oak.flr", In(Floors, u"oak.flr"_s)},
        {u"GameData\\Floors\\oak.wll", std::nullopt},
        {u"GameData\\Animation\\a.cfp", In(Animations, u"a.cfp"_s)},
        {u"GameData\\Skins\\walk.bcf", In(Animations, u"walk.bcf"_s)},
        {u"GameData\\Skins\\walk.bmf", In(Animations, u"walk.bmf"_s)},
        {u"Walk.cmf", std::nullopt},
        {u"Downloads\\Pack\\set.FAR", In(FarArchives, u"Downloads/Pack/set.FAR"_s)},
        {u"readme.txt", std::nullopt},
        {u"GameData\\Objects", std::nullopt},
        // The game's own files, whatever their case and separators.
        {u"gamedata/objects/CHAIR.iff", std::nullopt},
        {u"GameData\\Skins\\b001fafit_01.bmp", std::nullopt},
        {u"GameData\\Skins\\X001.bmp", std::nullopt},
        {u"GameData\\Objects\\objects.far", std::nullopt},
        {u"GameData\\Walls\\Brick.wll", std::nullopt},
        // Shipped as a head, but its letter makes it a regular skin: a custom one.
        {u"GameData\\Skins\\b002.bmp", In(Skins, u"b002.bmp"_s)},
    };
    for (const ClassifyCase& c : cases) {
        const QString path = QString::fromUtf16(c.Path);
        EXPECT_EQ(ClassifyFoundFile(path, shipped), c.Expected) << path.toStdString();
    }
}
