#include "FarFileTest.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

using namespace Qt::StringLiterals;
using TFarFileTest = FarFileTest;

TEST_F(TFarFileTest, LoadingAMissingPathCreatesAnEmptyArchiveThatOpensAgain) {
    const QString path = FFolder.Path(u"new.far"_s);
    ASSERT_TRUE(FFar.LoadFile(path));
    EXPECT_EQ(FFolder.Read(u"new.far"_s), BuildFarArchive({}));
    ASSERT_TRUE(FFar.LoadFile(path));
    EXPECT_EQ(FFar.GetCount(), 0);
    EXPECT_EQ(FFar.FileName(), path);
    EXPECT_TRUE(FUser.Messages().isEmpty());
}

TEST_F(TFarFileTest, UnreadableArchivesAreReportedAndLeaveTheComponentClosed) {
    QByteArray version2 = BuildFarArchive({{"lamp.iff", LampData}});
    PatchLe32(version2, 8, 2);
    const QString bad = FFolder.Write(u"v2.far"_s, version2);
    const QString notAFile = FFolder.Path(u"folder.far"_s);
    QDir().mkpath(notAFile);

    EXPECT_FALSE(FFar.LoadFile(bad));
    EXPECT_FALSE(FFar.LoadFile(notAFile));
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({u"File \"%1\" is not a valid FAR file."_s.arg(Native(bad)),
                           u"Error reading file \"%1\"."_s.arg(Native(notAFile))}));
    EXPECT_EQ(FUser.Messages().first().Kind, MessageKind::Error);
    EXPECT_EQ(FFar.FileName(), QString());
    EXPECT_EQ(FFolder.Read(u"v2.far"_s), version2);
    EXPECT_TRUE(FFar.LoadFile(FFolder.Path(u"good.far"_s)));
}

TEST_F(TFarFileTest, ShowsTheTextsOfTheLanguageItWasGiven) {
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    FFar.SetMessages(FarMessages::FromLanguage(language));
    const QString blocker = FFolder.Write(u"file"_s, "not a folder");
    const QString path = blocker + u"/sub/new.far"_s;
    const QString archive = FFolder.Write(u"a.far"_s, BuildFarArchive({{"..\\up.iff", "x"}}));

    EXPECT_FALSE(FFar.LoadFile(path));
    EXPECT_EQ(FFar.Add(FFolder.Path(u"missing.iff"_s)), -1);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.SetKeepPaths(true);
    EXPECT_FALSE(FFar.Extract(0, FFolder.Path(u"out"_s)));
    EXPECT_EQ(
        FUser.MessageTexts(),
        QStringList(
            {u"Error creating FAR file \"%1\""_s.arg(Native(path)),
             u"Error adding file \"%1\" to FAR file."_s.arg(Native(FFolder.Path(u"missing.iff"_s))),
             u"Item \"..\\up.iff\" in \"%1\" was not extracted: its name leads outside "
             u"the folder it is extracted to."_s.arg(Native(archive))}));
}

TEST_F(TFarFileTest, AnAddedFileReplacesAnEntryThatDiffersOnlyInCase) {
    const QString archive = FFolder.Write(u"a.far"_s, BuildFarArchive({{"Lamp.IFF", ChairData}}));
    FFolder.Write(u"src/lamp.iff"_s, LampData);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.SetReplaceExisting(true);
    FFar.SetRootDir(FFolder.Path(u"src"_s));

    EXPECT_EQ(FFar.Add(u"lamp.iff"_s), 0);
    ASSERT_EQ(FFar.GetCount(), 1);
    EXPECT_EQ(FFar.GetItem(0)->Name(), u"lamp.iff"_s);
    EXPECT_FALSE(FFar.GetItem(0)->Appendable());
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), BuildFarArchive({{"lamp.iff", LampData}}));
}

TEST_F(TFarFileTest, AHandlerCanRenameTheAddedFileToKeepBothEntries) {
    const QString archive = FFolder.Write(u"a.far"_s, BuildFarArchive({{"lamp.iff", ChairData}}));
    const QString lamp = FFolder.Write(u"src/lamp.iff"_s, LampData);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.SetReplaceExisting(true);
    QList<int> asked;
    QObject::connect(&FFar, &TFarFile::OnItemExists, [&](int index, bool&, QString& name) {
        asked.append(index);
        name = u"lamp2.iff"_s;
    });

    EXPECT_EQ(FFar.Add(lamp), 1);
    EXPECT_EQ(asked, QList<int>({0}));
    EXPECT_EQ(FFar.GetItem(0)->Name(), u"lamp.iff"_s);
    EXPECT_EQ(FFar.GetItem(1)->Name(), u"lamp2.iff"_s);
    EXPECT_TRUE(FFar.GetItem(1)->Appendable());
}

TEST_F(TFarFileTest, AFileThatCannotBeAddedChangesNothing) {
    const QString archive = FFolder.Write(u"a.far"_s, BuildFarArchive({{"lamp.iff", LampData}}));
    FFolder.Write(u"src/up.iff"_s, LampData);
    ASSERT_TRUE(FFar.LoadFile(archive));
    FFar.SetReplaceExisting(true);

    EXPECT_EQ(FFar.Add(FFolder.Path(u"gone/lamp.iff"_s)), -1);
    FFar.SetKeepPaths(true);
    FFar.SetRootDir(FFolder.Path(u"src"_s));
    EXPECT_EQ(FFar.Add(u"../src/up.iff"_s), -1);
    EXPECT_EQ(FFar.GetCount(), 1);
    EXPECT_FALSE(FFar.Changed());
    EXPECT_EQ(FUser.Messages().size(), 2);
}

TEST_F(TFarFileTest, KeepPathsNamesEntriesWithBackslashesAndExtractsIntoSubfolders) {
    FFolder.Write(u"objects/Sets/lamp.iff"_s, LampData);
    FFar.SetKeepPaths(true);
    FFar.SetRootDir(FFolder.Path(u"objects"_s));
    ASSERT_EQ(FFar.Add(u"Sets/lamp.iff"_s), 0);
    EXPECT_EQ(FFar.GetItem(0)->Name(), u"Sets\\lamp.iff"_s);
    ASSERT_TRUE(FFar.SaveAs(FFolder.Path(u"a.far"_s)));
    EXPECT_EQ(FFolder.Read(u"a.far"_s), BuildFarArchive({{"Sets\\lamp.iff", LampData}}));

    // Relative targets lie below RootDir; an existing folder receives the entry's path.
    FFar.SetRootDir(FFolder.Path(u"out"_s));
    QDir().mkpath(FFolder.Path(u"out"_s));
    ASSERT_TRUE(FFar.Extract(0, QString()));
    EXPECT_EQ(FFolder.Read(u"out/Sets/lamp.iff"_s), LampData);
    FFar.SetKeepPaths(false);
    ASSERT_TRUE(FFar.Extract(0, u"copies/renamed.iff"_s));
    EXPECT_EQ(FFolder.Read(u"out/copies/renamed.iff"_s), LampData);
    EXPECT_FALSE(FFar.GetItem(0)->Loaded());
}

// An archive with names that could lead out of a folder is listed and can be cleaned up;
// only extracting those entries is refused, and nothing is written outside the target.
TEST_F(TFarFileTest, UnsafeNamesAreListedAndRemovableButNeverExtracted) {
    const QByteArray hostile = BuildFarArchive({{"..\\..\\escaped.iff", ChairData},
                                                {"lamp.iff", LampData},
                                                {"C:evil.iff", "x"},
                                                {"", "unnamed"},
                                                {"Sets\\..\\..\\up.iff", "y"}});
    const QString archive = FFolder.Write(u"a.far"_s, hostile);
    ASSERT_TRUE(FFar.LoadFile(archive));
    ASSERT_EQ(FFar.GetCount(), 5);
    EXPECT_EQ(FFar.GetItem(0)->Name(), u"..\\..\\escaped.iff"_s);
    EXPECT_EQ(FFar.GetItem(2)->Name(), u"C:evil.iff"_s);

    FFar.SetKeepPaths(true);
    const QString into = FFolder.Path(u"deep/out"_s);
    EXPECT_FALSE(FFar.Extract(0, into));
    EXPECT_FALSE(FFar.ExtractAll(into));
    EXPECT_EQ(FUser.Messages().size(), 5) << "one refusal for Extract, four for ExtractAll";
    EXPECT_EQ(FFolder.Contents(),
              QStringList({u"a.far"_s, u"deep"_s, u"deep/out"_s, u"deep/out/lamp.iff"_s}));

    FFar.Delete(4);
    FFar.Delete(0);
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s),
              BuildFarArchive({{"lamp.iff", LampData}, {"C:evil.iff", "x"}}));
}

// A name read (as the directory's own tests check) and written back keeps its bytes, and a
// new name is stored as UTF-8.
TEST_F(TFarFileTest, NamesAreWrittenBackByteForByteAndNewOnesAsUtf8) {
    const QString archive = FFolder.Write(u"a.far"_s, BuildFarArchive({{"\x80.iff", "euro"},
                                                                       {"caf\xC3\xA9.iff", "utf"},
                                                                       {"caf\xE9.iff", "cp"},
                                                                       {"gone.iff", "z"}}));
    ASSERT_TRUE(FFar.LoadFile(archive));
    ASSERT_EQ(FFar.GetCount(), 4);
    FFar.Delete(3);
    ASSERT_TRUE(FFar.Save());
    FFar.Add(FFolder.Write(u"d\u00E9j\u00E0.iff"_s, "new"));
    ASSERT_TRUE(FFar.Save());
    EXPECT_EQ(FFolder.Read(u"a.far"_s), BuildFarArchive({{"\x80.iff", "euro"},
                                                         {"caf\xC3\xA9.iff", "utf"},
                                                         {"caf\xE9.iff", "cp"},
                                                         {"d\xC3\xA9j\xC3\xA0.iff", "new"}}));
}

TEST_F(TFarFileTest, IndexOfPrefersTheExactNameOverOneInAnotherCase) {
    const QString archive = FFolder.Write(
        u"a.far"_s,
        BuildFarArchive({{"LAMP.iff", "1"}, {"Lamp.iff", "2"}, {"lamp.iff", "3"}, {"x.iff", "4"}}));
    ASSERT_TRUE(FFar.LoadFile(archive));
    const std::vector<std::pair<QString, int>> cases{
        {u"lamp.iff"_s, 2}, {u"Lamp.iff"_s, 1}, {u"LAMP.iff"_s, 0},
        {u"LAMP.IFF"_s, 0}, {u"X.IFF"_s, 3},    {u"lamp"_s, -1},
    };
    for (const auto& [name, index] : cases)
        EXPECT_EQ(FFar.IndexOf(name), index) << name.toStdString();
}
