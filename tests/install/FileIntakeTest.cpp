#include "install/FileIntake.h"

#include "install/DownloadOrigin.h"
#include "install/IntakeTree.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/ArchiveFixtures.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {
constexpr PackFlags NoPacks{};

class FileIntakeTest : public TempFolderTest {
protected:
    FileIntakeTest() {
        FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
        QDir().mkpath(Temp({}));
    }

    QString Dl(const QString& name) const { return FFolder.Path(u"dl/"_s + name); }
    QString Temp(const QString& name) const { return FFolder.Path(u"temp/"_s + name); }
    static QString N(const QString& path) { return QDir::toNativeSeparators(path); }
    static QString Entry(const QString& archive, const QString& name) {
        return N(archive) + QDir::separator() + name;
    }

    // The tree as indented lines of text.
    QStringList TreeLines(const FileIntake& intake) const {
        QStringList lines;
        const std::function<void(const IntakeTreeNode&, int)> walk = [&](const IntakeTreeNode& node,
                                                                         int depth) {
            lines.append(QString(depth * 2, u' ') + node.Text);
            for (const IntakeTreeNode& child : node.Children)
                walk(child, depth + 1);
        };
        walk(BuildIntakeTree(intake.Classifier(), FLanguage), 0);
        return lines;
    }

    ScriptedInteraction FUser;
    TLanguage FLanguage;
};
} // namespace

// Paths of either system, and nested entries whose archive lies in the temporary folder.
TEST(DownloadOrigin, TheRowShowsTheFileNameThenTheArchiveOrFolderItCameFrom) {
    TLanguage english;
    english.SetDefaultLanguage(BuiltInEnglishLines());
    const QString cases[][2] = {
        {u"C:\\Users\\p\\Downloads\\chair.iff"_s, u"chair.iff  (Downloads)"_s},
        {u"/tmp/PKWR0/nested.zip/inner.zip\\pipe.bmp"_s, u"pipe.bmp  (inner.zip)"_s},
        {u"/chair.iff"_s, u"chair.iff"_s},
    };
    for (const auto& [shown, row] : cases)
        EXPECT_EQ(DownloadRowText(shown, english), row) << shown.toStdString();
}

TEST_F(FileIntakeTest, FoldersAndNestedArchivesBecomeOneSortedTree) {
    FFolder.Write(u"dl/pack/walls/stone.wll"_s, "wall");
    FFolder.Write(u"dl/pack/.hidden.flr"_s, "floor");
    FFolder.Write(u"dl/pack/notes.diz"_s, "loose readme");
    FFolder.Write(u"dl/other/house01.iff"_s, "house");
    const QByteArray inner = BuildZipArchive({{.Name = "lamp.iff", .Data = "lamp"}});
    FFolder.Write(u"dl/chairs.zip"_s,
                  BuildZipArchive({{.Name = "objs/chair.iff", .Data = "chair"},
                                   {.Name = "Read Me.txt", .Data = "zipped readme"},
                                   {.Name = "file_id.diz", .Data = "ignored in archives"},
                                   {.Name = "manual.doc", .Data = "not extracted"},
                                   {.Name = "inner.zip", .Data = inner}}));
    FFolder.Write(u"dl/b/chairs.zip"_s, BuildZipArchive({{.Name = "sofa.iff", .Data = "sofa"}}));

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"pack"_s), Dl(u"other"_s), Dl(u"chairs.zip"_s), Dl(u"b/chairs.zip"_s)});

    const QString chairs = Dl(u"chairs.zip"_s);
    // An archive inside another is shown by the download's path.
    const QString inside = Dl(u"chairs.zip/inner.zip"_s);
    EXPECT_EQ(
        TreeLines(intake),
        QStringList({u"Selected Files"_s, u"  Floors"_s, u"    "_s + N(Dl(u"pack/.hidden.flr"_s)),
                     u"  Houses and areas"_s, u"    Houses (Regular Neighborhood)"_s,
                     u"      "_s + N(Dl(u"other/house01.iff"_s)), u"  Objects"_s,
                     u"    "_s + Entry(Dl(u"b/chairs.zip"_s), u"sofa.iff"_s),
                     u"    "_s + Entry(chairs, u"chair.iff"_s),
                     u"    "_s + Entry(inside, u"lamp.iff"_s), u"  Walls"_s,
                     u"    "_s + N(Dl(u"pack/walls/stone.wll"_s))}));
    // Two archives of one name open into two folders; only wanted entries are extracted.
    EXPECT_EQ(QDir(Temp({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({u"chairs.zip"_s, u"chairs.zip0"_s, u"inner.zip"_s}));
    EXPECT_EQ(QDir(Temp(u"chairs.zip"_s)).entryList(QDir::Files),
              QStringList({u"chair.iff"_s, u"inner.zip"_s, u"Read Me.txt"_s}));
    QStringList readmes;
    for (const ReadmeFile& readme : intake.Readmes())
        readmes.append(readme.Name + u" = "_s + readme.Path);
    EXPECT_EQ(
        readmes,
        QStringList({Entry(chairs, u"Read Me.txt"_s) + u" = "_s + Temp(u"chairs.zip/Read Me.txt"_s),
                     N(Dl(u"pack/notes.diz"_s)) + u" = "_s + Dl(u"pack/notes.diz"_s)}));
    const CandidateList& objects = intake.Classifier().KindList(ContentKind::Objects);
    ASSERT_EQ(objects.Size(), 3);
    EXPECT_EQ(objects.At(0).SourcePath, Temp(u"chairs.zip/chair.iff"_s));
    EXPECT_TRUE(FUser.Messages().isEmpty());
    ASSERT_FALSE(FUser.Progress().isEmpty());
    EXPECT_EQ(FUser.Progress().last().Percent, 97);
    EXPECT_EQ(FUser.Progress().last().Message, u"Reading files..."_s);
}

TEST_F(FileIntakeTest, HostileInputsAreReportedOrPassedOverAndNothingLeavesTheTempFolder) {
    // A folder holding a link to its own parent, archives nested too deep, a fake archive,
    // an entry the user cancels the password of.
    FFolder.Write(u"dl/loop/chair.iff"_s, "chair");
    QFile::link(Dl({}), Dl(u"loop/up"_s));
    QByteArray nested = BuildZipArchive({{.Name = "deep.iff", .Data = "deep"}});
    for (int i = 0; i < FileIntake::MaxArchiveDepth + 2; ++i)
        nested = BuildZipArchive({{.Name = "n.zip", .Data = nested}});
    FFolder.Write(u"nest/n.zip"_s, nested);
    FFolder.Write(u"nest/fake.zip"_s, "no archive");
    FFolder.Write(u"nest/locked.zip"_s,
                  BuildZipArchive({{.Name = "../../../escape.iff",
                                    .Data = "e",
                                    .Cipher = ZipFixtureCipher::Aes256,
                                    .Password = "pw"},
                                   {.Name = "..\\..\\open.iff", .Data = "o"}}));
    FUser.ExpectPassword(std::nullopt);

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"loop"_s), FFolder.Path(u"nest/n.zip"_s),
                        FFolder.Path(u"nest/fake.zip"_s), FFolder.Path(u"nest/locked.zip"_s)});

    QStringList objects;
    for (const Candidate& c : intake.Classifier().KindList(ContentKind::Objects).Entries())
        objects.append(c.SourcePath);
    EXPECT_EQ(objects, QStringList({Dl(u"loop/chair.iff"_s), Temp(u"locked.zip/open.iff"_s)}));
    // The zip library's own English never reaches the user.
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList(
                  {u"The zip archive \"%1\" cannot be read: it is not an archive of a kind "
                   u"the program reads."_s.arg(N(FFolder.Path(u"nest/fake.zip"_s))),
                   u"The archive \"%1\" lies inside too many other archives; it was not "
                   u"opened."_s.arg(N(FFolder.Path(u"nest/n.zip"_s + u"/n.zip"_s.repeated(9))))}));
    EXPECT_EQ(FFolder.Contents().filter(u"escape"_s), QStringList());
    EXPECT_EQ(FFolder.Contents().filter(u"open.iff"_s),
              QStringList({u"temp/locked.zip/open.iff"_s}));
}

TEST_F(FileIntakeTest, EmptyingTheTempFolderLeavesItThereAndEmpty) {
    FFolder.Write(u"temp/a.zip/x.iff"_s, "x");
    EXPECT_TRUE(EmptyTempFolder(Temp({})));
    EXPECT_EQ(FFolder.Contents(), QStringList({u"temp"_s}));
}

TEST_F(FileIntakeTest, ACancelledIntakeStopsBeforeTheNextDownloadAndEmptiesTheTempFolder) {
    FFolder.Write(u"dl/a.zip"_s, BuildZipArchive({{.Name = "chair.iff", .Data = "chair"}}));
    FFolder.Write(u"dl/b.zip"_s, BuildZipArchive({{.Name = "sofa.iff", .Data = "sofa"}}));
    // Cancel is pressed once the first archive has been read (5 + 85 / 2 percent).
    FUser.CancelAtPercent(47);

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"a.zip"_s), Dl(u"b.zip"_s)});

    EXPECT_TRUE(intake.Cancelled());
    EXPECT_EQ(FFolder.Contents().filter(u"temp"_s), QStringList({u"temp"_s}));
    EXPECT_EQ(FUser.Progress().last().Percent, 47);
}

// Cancel pressed once every file is read stops the intake before it judges the first bitmap,
// so the broken one is never asked about, and leaves the temporary folder empty.
TEST_F(FileIntakeTest, CancelBeforeTheBitmapsAreJudgedAsksNothingAndEmptiesTheTempFolder) {
    FFolder.Write(u"temp/extracted.iff"_s, "left from the archives");
    FUser.CancelAtPercent(90);

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({FFolder.Write(u"dl/wall.bmp"_s, "not a bitmap")});

    EXPECT_TRUE(intake.Cancelled());
    EXPECT_TRUE(FUser.Messages().isEmpty());
    EXPECT_EQ(FFolder.Contents().filter(u"temp"_s), QStringList({u"temp"_s}));
}

// One download given as itself, inside its folder and through a link is read once; two
// entries of one name from different folders of an archive are both kept, the second
// extracted under a numbered name but classified and shown by its own.
TEST_F(FileIntakeTest, EachDownloadIsTakenOnceAndSameNamedEntriesBothSurvive) {
    FFolder.Write(u"dl/pack/chair.iff"_s, "loose");
    FFolder.Write(u"dl/pack/set.zip"_s,
                  BuildZipArchive({{.Name = "v1/chair.iff", .Data = "one"},
                                   {.Name = "v1/house01.iff", .Data = "house one"},
                                   {.Name = "v2/chair.iff", .Data = "two"},
                                   {.Name = "v2/HOUSE01.iff", .Data = "house two"}}));
    ASSERT_TRUE(QFile::link(Dl(u"pack/chair.iff"_s), Dl(u"alias.iff"_s)));

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"pack"_s), Dl(u"pack/chair.iff"_s), Dl(u"pack/../pack/set.zip"_s),
                        Dl(u"alias.iff"_s)});

    const QString set = Dl(u"pack/set.zip"_s);
    const auto lines = [](const CandidateList& list) {
        QStringList result;
        for (const Candidate& c : list.Entries())
            result.append(c.DisplayName + u" = "_s + c.SourcePath);
        return result;
    };
    EXPECT_EQ(
        lines(intake.Classifier().KindList(ContentKind::Objects)),
        QStringList({N(Dl(u"pack/chair.iff"_s)) + u" = "_s + Dl(u"pack/chair.iff"_s),
                     Entry(set, u"chair.iff"_s) + u" = "_s + Temp(u"set.zip/chair.iff"_s),
                     Entry(set, u"chair.iff"_s) + u" = "_s + Temp(u"set.zip/chair (2).iff"_s)}));
    EXPECT_EQ(lines(intake.Classifier().KindList(ContentKind::Houses)),
              QStringList(
                  {Entry(set, u"house01.iff"_s) + u" = "_s + Temp(u"set.zip/house01.iff"_s),
                   Entry(set, u"HOUSE01.iff"_s) + u" = "_s + Temp(u"set.zip/HOUSE01 (2).iff"_s)}));
    EXPECT_EQ(FFolder.Read(u"temp/set.zip/chair.iff"_s), "one");
    EXPECT_EQ(FFolder.Read(u"temp/set.zip/chair (2).iff"_s), "two");
    EXPECT_EQ(QDir(Temp({})).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList({u"set.zip"_s}))
        << "the archive given twice is opened once";
    const QString held = u"The archive \"%1\" holds two files of one name, \"%2\" and \"%3\". Both "
                         u"are listed; if you install both, the second finds the first already "
                         u"there."_s;
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({held.arg(N(set), u"v1/chair.iff"_s, u"v2/chair.iff"_s),
                           held.arg(N(set), u"v1/house01.iff"_s, u"v2/HOUSE01.iff"_s)}));
}

// A tar.gz inside a zip inside a 7z: every entry is shown by the download's path, whatever
// the formats; the password of an archive is asked once and retried, then its other
// encrypted entries are left out without asking again, while its open readme is kept.
TEST_F(FileIntakeTest, NestedArchivesOfEveryFormatShowTheDownloadsPathAndAskOnePassword) {
    const QByteArray tgz =
        BuildArchive(ArchiveFormat::TarGz, {{.Name = "deep/pipe.iff", .Data = "pipe"}});
    const QByteArray zip = BuildZipArchive(
        {{.Name = "inner.tgz", .Data = tgz}, {.Name = "notes.txt", .Data = "inner readme"}});
    FFolder.Write(u"dl/nested.7z"_s,
                  BuildArchive(ArchiveFormat::SevenZip, {{.Name = "inner.zip", .Data = zip}}));
    const auto locked = [](const char* name) {
        return ZipFixtureEntry{
            .Name = name, .Data = name, .Cipher = ZipFixtureCipher::Aes256, .Password = "secret"};
    };
    FFolder.Write(u"dl/locked.zip"_s,
                  BuildZipArchive({locked("a.iff"),
                                   locked("b.iff"),
                                   {.Name = "password.txt", .Data = "ask the author"}}));
    for (const char* guess : {"one", "two", "three"})
        FUser.ExpectPassword(QString::fromLatin1(guess));

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"nested.7z"_s), Dl(u"locked.zip"_s)});

    const QString inner = N(Dl(u"nested.7z/inner.zip"_s));
    EXPECT_EQ(TreeLines(intake), QStringList({u"Selected Files"_s, u"  Objects"_s,
                                              u"    "_s + inner + N(u"/inner.tgz/pipe.iff"_s)}));
    QStringList readmes;
    for (const ReadmeFile& readme : intake.Readmes())
        readmes.append(readme.Name);
    EXPECT_EQ(readmes,
              QStringList({N(Dl(u"locked.zip/password.txt"_s)), inner + N(u"/notes.txt"_s)}));
    EXPECT_EQ(FUser.PasswordPrompts().size(), 3);
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({u"Entry \"a.iff\" in \"%1\" was not extracted: the password is "
                           u"wrong."_s.arg(N(Dl(u"locked.zip"_s)))}));
}

// Archives are extracted one ahead on a second thread: what each has to say still comes in
// the order of the downloads.
TEST_F(FileIntakeTest, MessagesKeepTheOrderOfTheDownloadsThoughArchivesAreExtractedAhead) {
    FFolder.Write(u"dl/1.zip"_s, "no archive");
    FFolder.Write(u"dl/2.7z"_s,
                  BuildArchive(ArchiveFormat::SevenZip, {{.Name = "a/chair.iff", .Data = "one"},
                                                         {.Name = "b/chair.iff", .Data = "two"}}));
    FFolder.Write(u"dl/3.zip"_s, "no archive either");

    FileIntake intake(FUser, FLanguage, NoPacks, Temp({}));
    intake.SelectFiles({Dl(u"1.zip"_s), Dl(u"2.7z"_s), Dl(u"3.zip"_s)});

    const QString notAnArchive =
        u"The zip archive \"%1\" cannot be read: it is not an archive of a kind the program "
        u"reads."_s;
    EXPECT_EQ(FUser.MessageTexts(),
              QStringList({notAnArchive.arg(N(Dl(u"1.zip"_s))),
                           u"The archive \"%1\" holds two files of one name, \"a/chair.iff\" and "
                           u"\"b/chair.iff\". Both are listed; if you install both, the second "
                           u"finds the first already there."_s.arg(N(Dl(u"2.7z"_s))),
                           notAnArchive.arg(N(Dl(u"3.zip"_s)))}));
    EXPECT_EQ(
        FFolder.Contents().filter(u"temp/"_s),
        QStringList({u"temp/2.7z"_s, u"temp/2.7z/chair (2).iff"_s, u"temp/2.7z/chair.iff"_s}));
}
