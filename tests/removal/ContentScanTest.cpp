#include "removal/ContentScan.h"

#include "formats/GameFileList.h"
#include "support/FarFixtures.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {
class ContentScanTest : public TempFolderTest {
protected:
    QString Game(const QString& relative = {}) const {
        return QDir::toNativeSeparators(FFolder.Path(u"Game/"_s + relative));
    }

    FoundContent Scan(const GameFileList& shipped = {}) {
        return ScanGameFolder(FFolder.Path(u"Game"_s), shipped,
                              [this](int percent) { FPercents.append(percent); });
    }

    QList<int> FPercents;
};
} // namespace

TEST_F(ContentScanTest, ListsCustomFilesAndArchiveEntriesButNotTheGamesOwnNorOddNames) {
    FFolder.Write(u"Game/GameData/Objects/Chair.iff"_s, "game");
    const QString mine = FFolder.Write(u"Game/gamedata/objects/Sub/Mine.iff"_s, "custom");
    const QDateTime modified(QDate(2004, 5, 9), QTime(14, 30, 15, 250));
    ASSERT_TRUE(SetFileModified(mine, modified));
    FFolder.Write(u"Game/GameData/Objects/Shelf.iff/inner.txt"_s, "a folder named like an object");
    FFolder.Write(
        u"Game/Downloads/set.far"_s,
        BuildFarArchive({{.Name = "one.iff", .Data = "1"}, {.Name = "two.iff", .Data = "22"}}));
    FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    FFolder.Write(u"Game/GameData/Skins/c1head.bmp"_s, "BM");
    ASSERT_TRUE(QFile::link(FFolder.Path(u"Game"_s), FFolder.Path(u"Game/GameData/loop"_s)));
    // Reading a pipe for its preview would wait for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(FFolder.Path(u"Game/Downloads/pipe.iff"_s)), 0600), 0);
    // A name that is not UTF-8 must not stop the walk.
    std::FILE* latin1 = std::fopen(
        (QFile::encodeName(FFolder.Path(u"Game/GameData/"_s)) + "caf\xE9.iff").constData(), "w");
    ASSERT_TRUE(latin1);
    std::fclose(latin1);
    const QString quarn = FFolder.Write(
        u"QuarnFiles.iff"_s, BuildStringChunksFile({{100, "GameData\\Objects\\Chair.iff"}}));

    const FoundContent content = Scan(*GameFileList::Load(quarn));

    EXPECT_EQ(content.List(FoundListId::ObjectsInObjects),
              (QList<FoundFile>{{.DisplayName = QDir::toNativeSeparators(u"Sub/Mine.iff"_s),
                                 .Path = Game(u"gamedata/objects/Sub/Mine.iff"_s),
                                 .NativePath = {},
                                 .FarItems = {},
                                 .Size = 6,
                                 .ModifiedMSecs = modified.toMSecsSinceEpoch()}}));
    EXPECT_EQ(content.List(FoundListId::Heads).size(), 1);
    EXPECT_EQ(content.List(FoundListId::ObjectsInDownloads), QList<FoundFile>());
    QList<FoundFile> archives = content.List(FoundListId::FarArchives);
    std::ranges::sort(archives, {}, &FoundFile::DisplayName);
    ASSERT_EQ(archives.size(), 2);
    EXPECT_EQ(archives[0].Path, Game(u"Downloads/broken.far"_s));
    EXPECT_EQ(archives[0].FarItems, QStringList());
    EXPECT_EQ(archives[1].FarItems, (QStringList{u"one.iff"_s, u"two.iff"_s}));
    EXPECT_EQ(content.UnreadableArchives, QStringList{Game(u"Downloads/broken.far"_s)});
    // The walk itself shows progress, not only the sorting after it.
    EXPECT_GT(FPercents.first(), 10);
    EXPECT_LT(FPercents.first(), 60);
    EXPECT_TRUE(FPercents.contains(60));
    EXPECT_EQ(FPercents.last(), 90);
    EXPECT_EQ(std::ranges::adjacent_find(FPercents, std::greater_equal<>()), FPercents.end());
}

TEST_F(ContentScanTest, EmptyOrMissingFolderHasNoContent) {
    EXPECT_TRUE(Scan().IsEmpty());
    FFolder.Write(u"Game/GameData/Objects/readme.txt"_s, "x");
    EXPECT_TRUE(Scan().IsEmpty());
}

// Cancel pressed while the folders are still being walked stops the walk itself, not only
// the sorting after it.
TEST_F(ContentScanTest, ACancelledScanStopsDuringTheWalk) {
    FFolder.Write(u"Game/Downloads/a/chair.iff"_s, "chair");
    FFolder.Write(u"Game/Downloads/b/lamp.iff"_s, "lamp");

    const FoundContent content = ScanGameFolder(
        FFolder.Path(u"Game"_s), {}, [this](int percent) { FPercents.append(percent); },
        [] { return true; });

    EXPECT_TRUE(content.Cancelled);
    EXPECT_TRUE(content.List(FoundListId::ObjectsInDownloads).isEmpty());
    EXPECT_TRUE(std::ranges::all_of(FPercents, [](int percent) { return percent < 60; }))
        << "the walk ran to its end";
}
