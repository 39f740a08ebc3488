#include "export/GameContentLists.h"

#include "formats/InstalledFilesDb.h"
#include "support/EnglishLanguage.h"
#include "support/FarFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class GameContentListsTest : public TempFolderTest {
protected:
    QList<ExportList> Build(const QList<ContentKind>& kinds) {
        const std::unique_ptr<ProgressHandle> progress = FInteraction.BeginProgress(QString());
        return FLists.Build(kinds, *progress);
    }
    QString Game(const QString& relative) const { return FFolder.Path(u"Game/"_s + relative); }

    EnglishLanguage FLanguage;
    ScriptedInteraction FInteraction;
    GameContentLists FLists{{.GameFolder = FFolder.Path(u"Game"_s),
                             .DataFolder = FFolder.Path(u"Program/"_s),
                             .TempFolder = FFolder.Path(u"Temp"_s)},
                            FInteraction,
                            FLanguage};
};

QStringList Names(const QList<ExportEntry>& entries) {
    QStringList names;
    for (const ExportEntry& entry : entries)
        names.append(entry.Name + u'=' + QString::number(entry.Size));
    return names;
}
} // namespace

TEST_F(GameContentListsTest, ListsKindsInOrderWithDatabaseDatesAndRecordsTheUnknown) {
    FFolder.Write(u"Game/GameData/Objects/Sub/a.iff"_s, "aa");
    FFolder.Write(u"Game/GameData/UserObjects/b.iff"_s, "bbb");
    FFolder.Write(u"Game/Downloads/c.iff"_s, "c");
    FFolder.Write(
        u"Game/Downloads/set.far"_s,
        BuildFarArchive({{.Name = "one.iff", .Data = "1"}, {.Name = "two.iff", .Data = "22"}}));
    const QString formal = FFolder.Write(u"Game/GameData/Skins/f123mine.bmp"_s, "BMx");
    FFolder.Write(
        u"Program/files.iff"_s,
        BuildFilesDb(
            {{133, {{.FileName = formal, .InstalledAt = u"38116.5"_s, .Comment = u"gala"_s}}}}));
    FFolder.Write(u"Temp/left.tmp"_s, "x");

    const QList<ExportList> lists = Build({ContentKind::FormalSkins, ContentKind::Objects,
                                           ContentKind::FarFiles, ContentKind::Walls});

    ASSERT_EQ(lists.size(), 4);
    EXPECT_EQ(lists[0].Title, u"Formal wear"_s);
    EXPECT_EQ(Names(lists[0].Entries), QStringList{u"f123mine.bmp=3"_s});
    EXPECT_EQ(lists[0].Entries[0].Comment, u"gala"_s);
    EXPECT_EQ(lists[0].Entries[0].InstalledAt, QDateTime(QDate(2004, 5, 9), QTime(12, 0)));
    EXPECT_EQ(Names(lists[1].Entries), (QStringList{QDir::toNativeSeparators(u"Sub/a.iff=2"_s),
                                                    u"b.iff=3"_s, u"c.iff=1"_s}));
    ASSERT_EQ(lists[2].Entries.size(), 1);
    const QList<ExportFile>& packed = lists[2].Entries[0].ArchiveFiles;
    ASSERT_EQ(packed.size(), 2);
    EXPECT_EQ(packed[1].Name, u"two.iff"_s);
    EXPECT_EQ(packed[1].Size, 2);
    EXPECT_EQ(packed[1].FullPath,
              QDir::toNativeSeparators(Game(u"Downloads/set.far"_s)) + u"\\two.iff"_s);
    EXPECT_TRUE(lists[3].Entries.isEmpty());
    EXPECT_EQ(FInteraction.MessageTexts(),
              QStringList{u"Warning! QuarnFiles.iff was not found! A lot of files exported to "
                          "the list are probably Quarn-made. Reinstall The Packwright to fix "
                          "this problem."_s});
    EXPECT_EQ(QDir(FFolder.Path(u"Temp"_s)).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList());

    FLists.ListsTaken();
    InstalledFilesDb saved(FFolder.Path(u"Program/files.iff"_s));
    EXPECT_EQ(saved.Count(ContentKind::Objects), 3);
    EXPECT_EQ(saved.Count(ContentKind::FarFiles), 1);
    EXPECT_EQ(saved.Count(ContentKind::FarPackedFiles), 2);
    EXPECT_EQ(saved.Get(ContentKind::FormalSkins, 0).Comment, u"gala"_s);
}

// Archives that cannot be read are listed as files without entries and named together in
// one warning; the build goes on to the readable ones.
TEST_F(GameContentListsTest, UnreadableArchivesAreListedWithoutEntriesAndNamedOnce) {
    FFolder.Write(u"Program/QuarnFiles.iff"_s, QByteArray());
    const QString broken = FFolder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    const QString cut = FFolder.Write(u"Game/Downloads/cut.far"_s,
                                      BuildFarArchive({{.Name = "c.iff", .Data = "c"}}).left(20));
    FFolder.Write(u"Game/Downloads/set.far"_s, BuildFarArchive({{.Name = "one.iff", .Data = "1"}}));

    const QList<ExportList> lists = Build({ContentKind::FarFiles});

    ASSERT_EQ(lists.size(), 1);
    const QList<ExportEntry>& archives = lists[0].Entries;
    ASSERT_EQ(archives.size(), 3);
    EXPECT_EQ(archives[0].Name, QDir::toNativeSeparators(u"Downloads/broken.far"_s));
    EXPECT_EQ(archives[0].Size, 14);
    EXPECT_TRUE(archives[0].ArchiveFiles.isEmpty());
    EXPECT_EQ(archives[1].Size, 20);
    EXPECT_TRUE(archives[1].ArchiveFiles.isEmpty());
    ASSERT_EQ(archives[2].ArchiveFiles.size(), 1);
    EXPECT_EQ(archives[2].ArchiveFiles[0].Name, u"one.iff"_s);
    ASSERT_EQ(FInteraction.Messages().size(), 1);
    EXPECT_EQ(FInteraction.Messages()[0].Kind, MessageKind::Warning);
    EXPECT_EQ(FInteraction.Messages()[0].Text,
              u"These FAR files could not be read and are listed without the files inside "
              "them:\r\n"_s +
                  QDir::toNativeSeparators(broken) + u'\n' + QDir::toNativeSeparators(cut));
}

TEST_F(GameContentListsTest, ListsEachFolderByNameWithoutRegardToCaseAsTheDeleteTabDoes) {
    FFolder.Write(u"Program/QuarnFiles.iff"_s, QByteArray());
    for (const QString& name : {u"b.iff"_s, u"C.iff"_s, u"a.iff"_s, u"D.iff"_s}) {
        FFolder.Write(u"Game/GameData/UserObjects/"_s + name, "u");
        FFolder.Write(u"Game/Downloads/"_s + name, "dd");
        FFolder.Write(u"Game/GameData/Walls/"_s + QString(name).replace(u".iff"_s, u".wll"_s), "w");
    }
    FFolder.Write(u"Game/GameData/Walls/Zed/e.wll"_s, "w");

    const QList<ExportList> lists = Build({ContentKind::Objects, ContentKind::Walls});

    ASSERT_EQ(lists.size(), 2);
    // Each object folder keeps its place; within it, names go in alphabetical order.
    EXPECT_EQ(Names(lists[0].Entries),
              (QStringList{u"a.iff=1"_s, u"b.iff=1"_s, u"C.iff=1"_s, u"D.iff=1"_s, u"a.iff=2"_s,
                           u"b.iff=2"_s, u"C.iff=2"_s, u"D.iff=2"_s}));
    EXPECT_EQ(Names(lists[1].Entries),
              (QStringList{u"a.wll=1"_s, u"b.wll=1"_s, u"C.wll=1"_s, u"D.wll=1"_s,
                           QDir::toNativeSeparators(u"Zed/e.wll=1"_s)}));
}

// Houses and lots cannot be told from the game's own by their folder: only those the program
// recorded, in the game folder, are listed, under their path below it.
TEST_F(GameContentListsTest, ListsTheHousesAndLotsTheProgramRecordedAndNoOthers) {
    const QString house = FFolder.Write(u"Game/UserData2/Houses/House05.iff"_s, "house");
    const QString family = FFolder.Write(u"Game/UserData/Import/family.iff"_s, "family");
    FFolder.Write(u"Game/UserData/Houses/House01.iff"_s, "the game's own");
    const QString elsewhere = FFolder.Write(u"Elsewhere/House07.iff"_s, "outside");
    FFolder.Write(u"Program/files.iff"_s,
                  BuildFilesDb({{110,
                                 {{.FileName = house, .InstalledAt = u"1"_s},
                                  {.FileName = elsewhere, .InstalledAt = u"1"_s}}},
                                {120, {{.FileName = family, .InstalledAt = u"1"_s}}}}));

    const QList<ExportList> lists = Build({ContentKind::Houses, ContentKind::Families});

    ASSERT_EQ(lists.size(), 2);
    EXPECT_EQ(lists[0].Title, u"Houses (Regular Neighborhood)"_s);
    EXPECT_EQ(Names(lists[0].Entries),
              QStringList{QDir::toNativeSeparators(u"UserData2/Houses/House05.iff=5"_s)});
    EXPECT_EQ(Names(lists[1].Entries),
              QStringList{QDir::toNativeSeparators(u"UserData/Import/family.iff=6"_s)});
}

// The database is written only when the export changed a record: a second export of the
// same folder leaves it untouched, one after a file vanished drops that file's record.
TEST_F(GameContentListsTest, SavesTheDatabaseOnlyWhenARecordChanged) {
    FFolder.Write(u"Program/QuarnFiles.iff"_s, QByteArray());
    const QString kept = FFolder.Write(u"Game/Downloads/kept.iff"_s, "k");
    const QString gone = FFolder.Write(u"Game/Downloads/gone.iff"_s, "g");
    const QString db = FFolder.Path(u"Program/files.iff"_s);
    const QDateTime untouched(QDate(2001, 2, 3), QTime(4, 5, 6));
    const auto exportOnce = [&] {
        Build({ContentKind::Objects});
        FLists.ListsTaken();
        return QFileInfo(db).lastModified();
    };
    const auto setDbTime = [&] {
        QFile file(db);
        return file.open(QIODevice::ReadWrite) &&
               file.setFileTime(untouched, QFileDevice::FileModificationTime);
    };

    EXPECT_NE(exportOnce(), QDateTime()) << "the first export records both files";
    ASSERT_TRUE(setDbTime());
    EXPECT_EQ(exportOnce(), untouched);
    ASSERT_TRUE(QFile::remove(gone));
    EXPECT_NE(exportOnce(), untouched);
    const InstalledFilesDb saved(db);
    EXPECT_EQ(saved.Count(ContentKind::Objects), 1);
    EXPECT_EQ(saved.Get(ContentKind::Objects, 0).FileName, QDir::toNativeSeparators(kept));
}

// Cancel pressed during the scan stops the walk; the export then writes nothing.
TEST_F(GameContentListsTest, CancelStopsTheScan) {
    FFolder.Write(u"Game/Downloads/c.iff"_s, "c");
    FInteraction.CancelAtPercent(0);
    EXPECT_EQ(Names(Build({ContentKind::Objects}).value(0).Entries), QStringList());
}
