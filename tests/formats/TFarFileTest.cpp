#include "FarTestFolder.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

namespace {
QString Native(const QString& path) {
    return QDir::toNativeSeparators(path);
}
} // namespace

TEST(TFarFile, LoadingAMissingPathCreatesAnEmptyArchiveThatOpensAgain) {
    FarTestFolder folder;
    const QString path = folder.Path(QStringLiteral("new.far"));
    ASSERT_TRUE(folder.Far().LoadFile(path));
    EXPECT_EQ(folder.Read(QStringLiteral("new.far")), BuildFarArchive({}));
    ASSERT_TRUE(folder.Far().LoadFile(path));
    EXPECT_EQ(folder.Far().GetCount(), 0);
    EXPECT_EQ(folder.Far().FileName(), path);
    EXPECT_TRUE(folder.User().Messages().isEmpty());
}

TEST(TFarFile, UnreadableArchivesAreReportedAndLeaveTheComponentClosed) {
    FarTestFolder folder;
    QByteArray version2 = BuildFarArchive({{"lamp.iff", LampData}});
    PatchLe32(version2, 8, 2);
    const QString bad = folder.Write(QStringLiteral("v2.far"), version2);
    const QString hostile =
        folder.Write(QStringLiteral("hostile.far"), BuildFarArchive({{"..\\evil.iff", "x"}}));
    const QString notAFile = folder.Path(QStringLiteral("folder.far"));
    QDir().mkpath(notAFile);

    EXPECT_FALSE(folder.Far().LoadFile(bad));
    EXPECT_FALSE(folder.Far().LoadFile(hostile));
    EXPECT_FALSE(folder.Far().LoadFile(notAFile));
    EXPECT_EQ(
        folder.User().MessageTexts(),
        QStringList({QStringLiteral("File \"%1\" is not a valid FAR file.").arg(Native(bad)),
                     QStringLiteral("File \"%1\" is not a valid FAR file.").arg(Native(hostile)),
                     QStringLiteral("Error reading file \"%1\".").arg(Native(notAFile))}));
    EXPECT_EQ(folder.User().Messages().first().Kind, MessageKind::Error);
    EXPECT_EQ(folder.Far().FileName(), QString());
    EXPECT_EQ(folder.Read(QStringLiteral("v2.far")), version2);
    EXPECT_TRUE(folder.Far().LoadFile(folder.Path(QStringLiteral("good.far"))));
}

TEST(TFarFile, ShowsTheTextsOfTheLanguageItWasGiven) {
    FarTestFolder folder;
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    folder.Far().SetMessages(FarMessages::FromLanguage(language));
    const QString blocker = folder.Write(QStringLiteral("file"), "not a folder");
    const QString path = blocker + QStringLiteral("/sub/new.far");

    EXPECT_FALSE(folder.Far().LoadFile(path));
    EXPECT_EQ(folder.Far().Add(folder.Path(QStringLiteral("missing.iff"))), -1);
    EXPECT_EQ(folder.User().MessageTexts(),
              QStringList({QStringLiteral("Error creating FAR file \"%1\"").arg(Native(path)),
                           QStringLiteral("Error adding file \"%1\" to FAR file.")
                               .arg(Native(folder.Path(QStringLiteral("missing.iff"))))}));
}

TEST(TFarFile, AnAddedFileReplacesAnEntryThatDiffersOnlyInCase) {
    FarTestFolder folder;
    const QString archive =
        folder.Write(QStringLiteral("a.far"), BuildFarArchive({{"Lamp.IFF", ChairData}}));
    folder.Write(QStringLiteral("src/lamp.iff"), LampData);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.SetReplaceExisting(true);
    far.SetRootDir(folder.Path(QStringLiteral("src")));

    EXPECT_EQ(far.Add(QStringLiteral("lamp.iff")), 0);
    ASSERT_EQ(far.GetCount(), 1);
    EXPECT_EQ(far.GetItem(0)->Name(), QStringLiteral("lamp.iff"));
    EXPECT_FALSE(far.GetItem(0)->Appendable());
    ASSERT_TRUE(far.Save());
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")), BuildFarArchive({{"lamp.iff", LampData}}));
}

TEST(TFarFile, AHandlerCanRenameTheAddedFileToKeepBothEntries) {
    FarTestFolder folder;
    const QString archive =
        folder.Write(QStringLiteral("a.far"), BuildFarArchive({{"lamp.iff", ChairData}}));
    const QString lamp = folder.Write(QStringLiteral("src/lamp.iff"), LampData);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.SetReplaceExisting(true);
    QList<int> asked;
    QObject::connect(&far, &TFarFile::OnItemExists, [&](int index, bool&, QString& name) {
        asked.append(index);
        name = QStringLiteral("lamp2.iff");
    });

    EXPECT_EQ(far.Add(lamp), 1);
    EXPECT_EQ(asked, QList<int>({0}));
    EXPECT_EQ(far.GetItem(0)->Name(), QStringLiteral("lamp.iff"));
    EXPECT_EQ(far.GetItem(1)->Name(), QStringLiteral("lamp2.iff"));
    EXPECT_TRUE(far.GetItem(1)->Appendable());
}

TEST(TFarFile, AFileThatCannotBeAddedChangesNothing) {
    FarTestFolder folder;
    const QString archive =
        folder.Write(QStringLiteral("a.far"), BuildFarArchive({{"lamp.iff", LampData}}));
    folder.Write(QStringLiteral("src/up.iff"), LampData);
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.SetReplaceExisting(true);

    EXPECT_EQ(far.Add(folder.Path(QStringLiteral("gone/lamp.iff"))), -1);
    far.SetKeepPaths(true);
    far.SetRootDir(folder.Path(QStringLiteral("src")));
    EXPECT_EQ(far.Add(QStringLiteral("../src/up.iff")), -1);
    EXPECT_EQ(far.GetCount(), 1);
    EXPECT_FALSE(far.Changed());
    EXPECT_EQ(folder.User().Messages().size(), 2);
}

TEST(TFarFile, KeepPathsNamesEntriesWithBackslashesAndExtractsIntoSubfolders) {
    FarTestFolder folder;
    folder.Write(QStringLiteral("objects/Sets/lamp.iff"), LampData);
    TFarFile& far = folder.Far();
    far.SetKeepPaths(true);
    far.SetRootDir(folder.Path(QStringLiteral("objects")));
    ASSERT_EQ(far.Add(QStringLiteral("Sets/lamp.iff")), 0);
    EXPECT_EQ(far.GetItem(0)->Name(), QStringLiteral("Sets\\lamp.iff"));
    ASSERT_TRUE(far.SaveAs(folder.Path(QStringLiteral("a.far"))));
    EXPECT_EQ(folder.Read(QStringLiteral("a.far")),
              BuildFarArchive({{"Sets\\lamp.iff", LampData}}));

    // Relative targets lie below RootDir; an existing folder receives the entry's path.
    far.SetRootDir(folder.Path(QStringLiteral("out")));
    QDir().mkpath(folder.Path(QStringLiteral("out")));
    ASSERT_TRUE(far.Extract(0, QString()));
    EXPECT_EQ(folder.Read(QStringLiteral("out/Sets/lamp.iff")), LampData);
    far.SetKeepPaths(false);
    ASSERT_TRUE(far.Extract(0, QStringLiteral("copies/renamed.iff")));
    EXPECT_EQ(folder.Read(QStringLiteral("out/copies/renamed.iff")), LampData);
    EXPECT_FALSE(far.GetItem(0)->Loaded());
}

TEST(TFarFile, NoEntryNameWritesOutsideTheExtractionFolder) {
    FarTestFolder folder;
    const QString archive = folder.Write(
        QStringLiteral("a.far"), BuildFarArchive({{"lamp.iff", LampData}, {"", ChairData}}));
    TFarFile& far = folder.Far();
    ASSERT_TRUE(far.LoadFile(archive));
    far.SetKeepPaths(true);
    far.GetItem(0)->SetName(QStringLiteral("..\\..\\escaped.iff"));
    const QString into = folder.Path(QStringLiteral("deep/out"));

    EXPECT_FALSE(far.Extract(0, into));
    EXPECT_FALSE(far.Extract(1, into));
    EXPECT_FALSE(far.ExtractAll(into));
    EXPECT_EQ(folder.User().MessageTexts().first(),
              QStringLiteral("Error loading item \"..\\..\\escaped.iff\" in \"%1\".")
                  .arg(Native(archive)));
    EXPECT_EQ(folder.Contents(), QStringList({QStringLiteral("a.far")}));
}
