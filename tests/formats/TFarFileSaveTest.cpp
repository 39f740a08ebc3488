#include "FarFileTest.h"

#ifdef Q_OS_UNIX
#include "support/FileSizeLimit.h"
#endif

using namespace Qt::StringLiterals;

namespace {
using TFarFileSaveTest = FarFileTest;

const QByteArray LampAndChair = BuildFarArchive({{"lamp.iff", LampData}, {"chair.iff", ChairData}});
} // namespace

TEST_F(TFarFileSaveTest, AddingOnlyAppendsWhereTheDirectoryWas) {
    const QString archive = FFolder.Write(u"a.far"_s, LampAndChair);
    QList<int> progress;
    QObject::connect(&FFar, &TFarFile::OnProgress,
                     [&](TFarFile* sender) { progress.append(sender->Progress()); });
    ASSERT_TRUE(FFar.LoadFile(archive));
    ASSERT_EQ(FFar.Add(FFolder.Write(u"table.iff"_s, TableData)), 2);

    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s),
              BuildFarArchive(
                  {{"lamp.iff", LampData}, {"chair.iff", ChairData}, {"table.iff", TableData}}));
    EXPECT_EQ(FFar.GetItem(2)->Offset(), FarDirectoryOffsetOf(LampAndChair));
    EXPECT_EQ(FFar.GetItem(2)->SourcePath(), QString());
    EXPECT_EQ(progress.last(), 100);
    EXPECT_EQ(FFolder.Contents(), QStringList({u"a.far"_s, u"table.iff"_s}));
}

TEST_F(TFarFileSaveTest, RemovingRewritesTheArchiveAndDropsUnnamedEntries) {
    const QString archive = FFolder.Write(
        u"a.far"_s,
        BuildFarArchive({{"lamp.iff", LampData}, {"", TableData}, {"chair.iff", ChairData}}));
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.Delete(FFar.IndexOf(u"CHAIR.IFF"_s));
    EXPECT_TRUE(FFar.Changed());

    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), BuildFarArchive({{"lamp.iff", LampData}}));
    EXPECT_EQ(FFar.GetCount(), 1);
    EXPECT_FALSE(FFar.Changed());
    EXPECT_EQ(FFolder.Contents(), QStringList({u"a.far"_s}));
    ASSERT_TRUE(FFar.LoadData(0));
    EXPECT_EQ(FFar.GetItem(0)->Data(), LampData);
}

// Once written, an entry's bytes come from the archive: the packed file may be moved away.
TEST_F(TFarFileSaveTest, SavedEntriesNoLongerNeedTheirSourceFiles) {
    FFar.Add(FFolder.Write(u"lamp.iff"_s, LampData));
    FFar.Add(FFolder.Write(u"chair.iff"_s, ChairData));
    ASSERT_TRUE(FFar.SaveAs(FFolder.Path(u"a.far"_s)));
    QFile::remove(FFolder.Path(u"lamp.iff"_s));
    QFile::remove(FFolder.Path(u"chair.iff"_s));

    FFar.Delete(0);
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), BuildFarArchive({{"chair.iff", ChairData}}));
    EXPECT_TRUE(FUser.Messages().isEmpty());
}

TEST_F(TFarFileSaveTest, AFailedSaveLeavesTheOldArchiveWhole) {
    const QString archive = FFolder.Write(u"a.far"_s, LampAndChair);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.Add(FFolder.Write(u"table.iff"_s, TableData));
    FFar.Add(FFolder.Write(u"gone.iff"_s, LampData));
    QFile::remove(FFolder.Path(u"gone.iff"_s));

    // Appending fails after the first new entry was written over the old directory.
    EXPECT_FALSE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), LampAndChair);
    // Rewriting fails before the new archive replaces the old one.
    FFar.Delete(0);
    EXPECT_FALSE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), LampAndChair);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList(2, u"Error loading item \"gone.iff\" in \"%1\"."_s.arg(
                                 QDir::toNativeSeparators(FFolder.Path(u"gone.iff"_s)))));
    EXPECT_EQ(FFolder.Contents(), QStringList({u"a.far"_s, u"table.iff"_s}));

    // The component stays usable: without the vanished file the save goes through.
    FFar.Delete(FFar.IndexOf(u"gone.iff"_s));
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s),
              BuildFarArchive({{"chair.iff", ChairData}, {"table.iff", TableData}}));
}

#ifdef Q_OS_UNIX
TEST_F(TFarFileSaveTest, AFullDiskLeavesTheOldArchiveWhole) {
    const QString archive = FFolder.Write(u"a.far"_s, LampAndChair);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.Add(FFolder.Write(u"table.iff"_s, TableData));
    {
        const FileSizeLimit full(LampAndChair.size());
        EXPECT_FALSE(FFar.Save());
        FFar.Delete(0);
        EXPECT_FALSE(FFar.Save());
    }
    EXPECT_EQ(FFolder.Read(u"a.far"_s), LampAndChair);
    EXPECT_EQ(FFolder.Contents(), QStringList({u"a.far"_s, u"table.iff"_s}));
    EXPECT_EQ(FUser.MessageTexts(), QStringList(2, u"Error creating FAR file \"%1\"."_s.arg(
                                                       QDir::toNativeSeparators(archive))));
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s),
              BuildFarArchive({{"chair.iff", ChairData}, {"table.iff", TableData}}));
}
#endif

// A foreign archive may keep data after its directory; appending there would overwrite it.
TEST_F(TFarFileSaveTest, DataAfterTheDirectoryIsRewrittenRatherThanOverwritten) {
    QByteArray dataLast = BuildFarArchive({{"lamp.iff", LampData}});
    const quint32 directoryOffset = FarDirectoryOffsetOf(dataLast);
    dataLast = dataLast.left(16) + dataLast.mid(directoryOffset) + LampData;
    PatchLe32(dataLast, 12, 16);
    PatchLe32(dataLast, 16 + 12, quint32(dataLast.size() - LampData.size()));
    const QString archive = FFolder.Write(u"a.far"_s, dataLast);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.Add(FFolder.Write(u"table.iff"_s, TableData));

    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s),
              BuildFarArchive({{"lamp.iff", LampData}, {"table.iff", TableData}}));
}

TEST_F(TFarFileSaveTest, SaveAsAsksBeforeReplacingAFileAndSaveAsksForAName) {
    const QString existing = FFolder.Write(u"old.far"_s, "keep me");
    FFar.Add(FFolder.Write(u"lamp.iff"_s, LampData));
    EXPECT_FALSE(FFar.Save());

    bool keep = false;
    QObject::connect(&FFar, &TFarFile::OnSaveAsExists, [&](bool& ok, QString&) { ok = keep; });
    EXPECT_FALSE(FFar.SaveAs(existing));
    EXPECT_EQ(FFolder.Read(u"old.far"_s), QByteArray("keep me"));
    keep = true;
    ASSERT_TRUE(FFar.SaveAs(existing));
    EXPECT_EQ(FFolder.Read(u"old.far"_s), BuildFarArchive({{"lamp.iff", LampData}}));
    EXPECT_EQ(FFar.FileName(), existing);
}
