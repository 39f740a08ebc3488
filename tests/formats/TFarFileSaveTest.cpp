#include "FarTestFolder.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include "support/FileSizeLimit.h"
#endif

namespace {
const QByteArray LampAndChair = BuildFarArchive({{"lamp.iff", LampData}, {"chair.iff", ChairData}});
} // namespace

TEST(TFarFileSave, AddingOnlyAppendsWhereTheDirectoryWas) {
    FarTestFolder folder;
    const QString archive = folder.Write(QStringLiteral("a.far"), LampAndChair);
    TFarFile& far = folder.Far();
    QList<int> progress;
    QObject::connect(&far, &TFarFile::OnProgress,
                     [&](TFarFile* sender) { progress.append(sender->Progress()); });
    ASSERT_TRUE(far.LoadFile(archive));
    ASSERT_EQ(far.Add(folder.Write(QStringLiteral("table.iff"), TableData)), 2);

    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive(
                  {{"lamp.iff", LampData}, {"chair.iff", ChairData}, {"table.iff", TableData}}));
    EXPECT_EQ(far.GetItem(2)->Offset(), FarDirectoryOffsetOf(LampAndChair));
    EXPECT_EQ(far.GetItem(2)->SourcePath(), QString());
    EXPECT_EQ(progress.last(), 100);
    EXPECT_EQ(folder.Contents(),
              QStringList({QStringLiteral("a.far"), QStringLiteral("table.iff")}));
}

TEST(TFarFileSave, RemovingRewritesTheArchiveAndDropsUnnamedEntries) {
    FarTestFolder folder;
    const QString archive = folder.Write(
        QStringLiteral("a.far"),
        BuildFarArchive({{"lamp.iff", LampData}, {"", TableData}, {"chair.iff", ChairData}}));
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.Delete(far.IndexOf(QStringLiteral("CHAIR.IFF")));
    EXPECT_TRUE(far.Changed());

    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), BuildFarArchive({{"lamp.iff", LampData}}));
    EXPECT_EQ(far.GetCount(), 1);
    EXPECT_FALSE(far.Changed());
    EXPECT_EQ(folder.Contents(), QStringList({QStringLiteral("a.far")}));
    ASSERT_TRUE(far.LoadData(0));
    EXPECT_EQ(far.GetItem(0)->Data(), LampData);
}

// Once written, an entry's bytes come from the archive: the packed file may be moved away.
TEST(TFarFileSave, SavedEntriesNoLongerNeedTheirSourceFiles) {
    FarTestFolder folder;
    TFarFile& far = folder.Far();
    far.Add(folder.Write(QStringLiteral("lamp.iff"), LampData));
    far.Add(folder.Write(QStringLiteral("chair.iff"), ChairData));
    ASSERT_TRUE(far.SaveAs(folder.Path(QStringLiteral("a.far"))));
    QFile::remove(folder.Path(QStringLiteral("lamp.iff")));
    QFile::remove(folder.Path(QStringLiteral("chair.iff")));

    far.Delete(0);
    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), BuildFarArchive({{"chair.iff", ChairData}}));
    EXPECT_TRUE(folder.User().Messages().isEmpty());
}

TEST(TFarFileSave, AFailedSaveLeavesTheOldArchiveWhole) {
    FarTestFolder folder;
    const QString archive = folder.Write(QStringLiteral("a.far"), LampAndChair);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.Add(folder.Write(QStringLiteral("table.iff"), TableData));
    far.Add(folder.Write(QStringLiteral("gone.iff"), LampData));
    QFile::remove(folder.Path(QStringLiteral("gone.iff")));

    // Appending fails after the first new entry was written over the old directory.
    EXPECT_FALSE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), LampAndChair);
    // Rewriting fails before the new archive replaces the old one.
    far.Delete(0);
    EXPECT_FALSE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), LampAndChair);
    EXPECT_EQ(folder.User().MessageTexts(),
              QStringList(
                  2, QStringLiteral("Error loading item \"gone.iff\" in \"%1\".")
                         .arg(QDir::toNativeSeparators(folder.Path(QStringLiteral("gone.iff"))))));
    EXPECT_EQ(folder.Contents(),
              QStringList({QStringLiteral("a.far"), QStringLiteral("table.iff")}));

    // The component stays usable: without the vanished file the save goes through.
    far.Delete(far.IndexOf(QStringLiteral("gone.iff")));
    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive({{"chair.iff", ChairData}, {"table.iff", TableData}}));
}

#ifdef Q_OS_UNIX
TEST(TFarFileSave, AFullDiskLeavesTheOldArchiveWhole) {
    FarTestFolder folder;
    const QString archive = folder.Write(QStringLiteral("a.far"), LampAndChair);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.Add(folder.Write(QStringLiteral("table.iff"), TableData));
    {
        const FileSizeLimit full(LampAndChair.size());
        EXPECT_FALSE(far.Save());
        far.Delete(0);
        EXPECT_FALSE(far.Save());
    }
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), LampAndChair);
    EXPECT_EQ(folder.Contents(),
              QStringList({QStringLiteral("a.far"), QStringLiteral("table.iff")}));
    EXPECT_EQ(folder.User().MessageTexts(),
              QStringList(2, QStringLiteral("Error creating FAR file \"%1\".")
                                 .arg(QDir::toNativeSeparators(archive))));
    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive({{"chair.iff", ChairData}, {"table.iff", TableData}}));
}
#endif

// A foreign archive may keep data after its directory; appending there would overwrite it.
TEST(TFarFileSave, DataAfterTheDirectoryIsRewrittenRatherThanOverwritten) {
    FarTestFolder folder;
    QByteArray dataLast = BuildFarArchive({{"lamp.iff", LampData}});
    const quint32 directoryOffset = FarDirectoryOffsetOf(dataLast);
    dataLast = dataLast.left(16) + dataLast.mid(directoryOffset) + LampData;
    PatchLe32(dataLast, 12, 16);
    PatchLe32(dataLast, 16 + 12, quint32(dataLast.size() - LampData.size()));
    const QString archive = folder.Write(QStringLiteral("a.far"), dataLast);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.Add(folder.Write(QStringLiteral("table.iff"), TableData));

    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive({{"lamp.iff", LampData}, {"table.iff", TableData}}));
}

TEST(TFarFileSave, SaveAsAsksBeforeReplacingAFileAndSaveAsksForAName) {
    FarTestFolder folder;
    const QString existing = folder.Write(QStringLiteral("old.far"), "keep me");
    TFarFile& far = folder.Far();
    far.Add(folder.Write(QStringLiteral("lamp.iff"), LampData));
    EXPECT_FALSE(far.Save());

    bool keep = false;
    QObject::connect(&far, &TFarFile::OnSaveAsExists, [&](bool& ok, QString&) { ok = keep; });
    EXPECT_FALSE(far.SaveAs(existing));
    EXPECT_EQ(folder.Read(QStringLiteral("old.far")), QByteArray("keep me"));
    keep = true;
    ASSERT_TRUE(far.SaveAs(existing));
    EXPECT_EQ(folder.Read(QStringLiteral("old.far")), BuildFarArchive({{"lamp.iff", LampData}}));
    EXPECT_EQ(far.FileName(), existing);
}
