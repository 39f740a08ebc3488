#include "install/InstallExecution.h"

#include "InstalledGame.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/EnglishLanguage.h"
#include "support/FileFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

using namespace Qt::StringLiterals;
using enum ContentKind;

namespace {
const QString DbError = u"Error writing installed files database! Please check that you have "
                        "write access to the \"files.iff\" file."_s;

// A game folder, downloads and a database in a folder of their own, with scripted answers.
class InstallSandbox {
public:
    InstallSandbox() {
        FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
        QDir().mkpath(Folder.Path(u"game"_s));
    }

    // A download at the path below the folder, holding that path as its bytes.
    TickedFile Download(const QString& path, ContentKind kind, const QString& comment = {}) {
        const QString written = Folder.Write(path, path.toUtf8());
        return {.SourcePath = written, .Kind = kind, .DisplayName = written, .Comment = comment};
    }

    InstallResult Install(QList<TickedFile> files,
                          FileExistsAnswer fileExistsDefault = FileExistsAnswer::Ask,
                          const QString& gameFolder = u"game/"_s) {
        const InstallRequest request{.Files = std::move(files),
                                     .GameFolder =
                                         gameFolder.isEmpty() ? QString() : Folder.Path(gameFolder),
                                     .Packs = {},
                                     .FileExistsDefault = fileExistsDefault,
                                     .DatabaseFile = Folder.Path(Database),
                                     .ExtractionFolder = Folder.Path(u"temp/"_s)};
        return InstallTickedFiles(request, FLanguage, Interaction);
    }

    QString Game(const QString& name) const { return Folder.Path(u"game/"_s + name); }
    QStringList GameFiles() const { return FilesBelow(Folder, u"game/"_s).keys(); }
    // The records, their paths relative to the folder below the game folder.
    QStringList Records(const QString& below = {}) const {
        return RecordLines(Folder.Path(u"files.iff"_s), Game(below));
    }

    TempFolder Folder;
    ScriptedInteraction Interaction;
    // Below the folder.
    QString Database = u"files.iff"_s;

private:
    TLanguage FLanguage;
};

class InstallExecutionTest : public ::testing::Test {
protected:
    InstallSandbox F;
};
} // namespace

TEST_F(InstallExecutionTest, EachKindGoesToItsFolderFoundInAnyCaseAndIsRecordedWithItsComment) {
    F.Folder.Write(u"game/gamedata/userobjects/other.iff"_s, "x");
    F.Folder.Write(u"game/UserData3/houses/House05.iff"_s, "x");
    F.Interaction.ExpectHoodChoice({HoodChoiceAnswer::Continue, F.Game(u"UserData3/"_s)});
    F.Install({F.Download(u"dl/chair.iff"_s, Objects, u"a \\\\n b \\\\\\ c"_s),
               F.Download(u"dl/pack.far"_s, FarFiles), F.Download(u"dl/house03.iff"_s, Houses),
               F.Download(u"dl/fam1.fam"_s, Families),
               F.Download(u"dl/b001body.cmx"_s, RegularSkins),
               F.Download(u"dl/c001ma.bmp"_s, Heads), F.Download(u"dl/walk.cfp"_s, Animations),
               F.Download(u"dl/brick.wll"_s, Walls), F.Download(u"dl/oak.flr"_s, Floors),
               F.Download(u"dl/tile.bmp"_s, Roofs)});

    EXPECT_EQ(
        F.GameFiles(),
        (QStringList{u"Downloads/pack.far"_s, u"UserData/Import/fam1.fam"_s,
                     u"UserData3/houses/House05.iff"_s, u"UserData3/houses/house03.iff"_s,
                     u"gamedata/Animation/walk.cfp"_s, u"gamedata/Floors/oak.flr"_s,
                     u"gamedata/Roofs/tile.bmp"_s, u"gamedata/Skins/b001body.cmx"_s,
                     u"gamedata/Skins/c001ma.bmp"_s, u"gamedata/Walls/brick.wll"_s,
                     u"gamedata/userobjects/chair.iff"_s, u"gamedata/userobjects/other.iff"_s}));
    EXPECT_EQ(F.Interaction.MessageTexts(),
              QStringList{u"10 files have been installed to The Vocks."_s});
    // The comment's escaped backslashes are stored unescaped.
    EXPECT_EQ(F.Records(),
              (QStringList{u"100 gamedata/userobjects/chair.iff a \\n b \\\\ c"_s,
                           u"101 gamedata/Walls/brick.wll"_s, u"102 gamedata/Floors/oak.flr"_s,
                           u"103 gamedata/Roofs/tile.bmp"_s, u"104 gamedata/Animation/walk.cfp"_s,
                           u"105 Downloads/pack.far"_s, u"110 UserData3/houses/house03.iff"_s,
                           u"120 UserData/Import/fam1.fam"_s, u"130 gamedata/Skins/b001body.cmx"_s,
                           u"131 gamedata/Skins/c001ma.bmp"_s}));
}

TEST_F(InstallExecutionTest, ConflictsAreFoundInAnyCaseAndResolvedByTheDefaultOrTheAnswers) {
    struct Case {
        const char* Name;
        FileExistsAnswer Default;
        QList<FileExistsReply> Replies;
        QStringList AskedAbout;
        QMap<QString, QByteArray> Objects;
        QStringList Records;
        QStringList Told = {};
    };
    using enum FileExistsAnswer;
    const QMap<QString, QByteArray> firstChair{
        {u"SOFA.IFF"_s, "old"}, {u"chair.iff"_s, "a/chair.iff"}, {u"lamp.iff"_s, "a/lamp.iff"}};
    const QList<Case> cases{
        {"the second chair asks; skip all then skips the sofa silently",
         Ask,
         {{SkipAll, {}}},
         {u"chair.iff"_s},
         firstChair,
         {u"100 chair.iff"_s, u"100 lamp.iff"_s}},
        {"overwrite replaces the file in its own case, rename adds a file",
         Ask,
         {{Overwrite, {}}, {Rename, u"sofa2.iff"_s}},
         {u"chair.iff"_s, u"SOFA.IFF"_s},
         {{u"SOFA.IFF"_s, "old"},
          {u"chair.iff"_s, "b/chair.iff"},
          {u"lamp.iff"_s, "a/lamp.iff"},
          {u"sofa2.iff"_s, "a/sofa.iff"}},
         {u"100 chair.iff"_s, u"100 sofa2.iff"_s, u"100 lamp.iff"_s}},
        {"a new name taken in another case skips the file",
         Ask,
         {{Skip, {}}, {Rename, u"sofa.IFF"_s}},
         {u"chair.iff"_s, u"SOFA.IFF"_s},
         firstChair,
         {u"100 chair.iff"_s, u"100 lamp.iff"_s},
         {u"\"%1\" was not installed: the new name \"sofa.IFF\" is taken in the folder, or is "
          u"not a plain file name."_s}},
        {"overwrite all by default",
         OverwriteAll,
         {},
         {},
         {{u"SOFA.IFF"_s, "a/sofa.iff"},
          {u"chair.iff"_s, "b/chair.iff"},
          {u"lamp.iff"_s, "a/lamp.iff"}},
         {u"100 chair.iff"_s, u"100 SOFA.IFF"_s, u"100 lamp.iff"_s}},
        {"skip all by default",
         SkipAll,
         {},
         {},
         firstChair,
         {u"100 chair.iff"_s, u"100 lamp.iff"_s}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        InstallSandbox f;
        f.Folder.Write(u"game/GameData/UserObjects/SOFA.IFF"_s, "old");
        for (const FileExistsReply& reply : c.Replies)
            f.Interaction.ExpectFileExists(reply);
        // The question shows where the new file was downloaded, not where it was extracted.
        TickedFile secondChair = f.Download(u"b/chair.iff"_s, Objects);
        secondChair.DisplayName = u"/dl/set.zip/chair.iff"_s;
        f.Install({f.Download(u"a/chair.iff"_s, Objects), secondChair,
                   f.Download(u"a/sofa.iff"_s, Objects), f.Download(u"a/lamp.iff"_s, Objects)},
                  c.Default);
        if (!f.Interaction.FileExistsQuestions().isEmpty()) {
            EXPECT_EQ(f.Interaction.FileExistsQuestions()[0].NewShownPath, secondChair.DisplayName);
        }

        QStringList asked;
        for (const FileExistsQuestion& question : f.Interaction.FileExistsQuestions())
            asked.append(QFileInfo(question.ExistingPath).fileName());
        EXPECT_EQ(asked, c.AskedAbout);
        EXPECT_EQ(FilesBelow(f.Folder, u"game/GameData/UserObjects/"_s), c.Objects);
        EXPECT_EQ(f.Records(u"GameData/UserObjects/"_s), c.Records);
        const QString sofa = f.Folder.Path(u"a/sofa.iff"_s);
        QStringList told = c.Told;
        told.replaceInStrings(u"%1"_s, sofa);
        EXPECT_EQ(f.Interaction.MessageTexts().filter(u"not installed"_s), told);
    }
}

TEST_F(InstallExecutionTest, TheNeighbourhoodIsAskedForHousesOnlyAndDecidesWhatGoes) {
    // Without an answer the chooser must not be asked at all.
    struct Case {
        const char* Name;
        QList<ContentKind> Kinds;
        std::optional<HoodChoiceAnswer> Answer;
        QStringList Files;
    };
    using enum HoodChoiceAnswer;
    const QList<Case> cases{
        {"don't install skips the house only",
         {Houses, Families},
         DontInstall,
         {u"UserData/Import/fam1.fam"_s}},
        {"continue puts the house in the neighbourhood",
         {Houses, Families},
         Continue,
         {u"UserData/Import/fam1.fam"_s, u"UserData2/Houses/house01.iff"_s}},
        {"cancel installs nothing", {Houses, Families}, Cancel, {}},
        {"an exported family alone does not ask",
         {Families},
         std::nullopt,
         {u"UserData/Import/fam1.fam"_s}},
        {"an object alone does not ask",
         {Objects},
         std::nullopt,
         {u"GameData/UserObjects/chair.iff"_s}},
    };
    const QMap<ContentKind, QString> downloads{
        {Houses, u"dl/house01.iff"_s}, {Families, u"dl/fam1.fam"_s}, {Objects, u"dl/chair.iff"_s}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        InstallSandbox f;
        ASSERT_TRUE(QDir().mkpath(f.Game(u"UserData2"_s)));
        if (c.Answer)
            f.Interaction.ExpectHoodChoice({*c.Answer, f.Game(u"UserData2/"_s)});
        QList<TickedFile> files;
        for (const ContentKind kind : c.Kinds)
            files.append(f.Download(downloads[kind], kind));
        const InstallResult result = f.Install(files);
        EXPECT_EQ(f.GameFiles(), c.Files);
        EXPECT_EQ(result.Cancelled, c.Answer == Cancel);
        EXPECT_EQ(f.Interaction.MessageTexts().size(), c.Answer == Cancel ? 0 : 1);
        // Only what was copied is recorded.
        EXPECT_EQ(f.Records().size(), c.Files.size());
    }
}

TEST_F(InstallExecutionTest, AFileFromTheGameFolderIsRecordedInPlaceOnlyAfterAYes) {
    for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::No}) {
        InstallSandbox f;
        f.Interaction.ExpectQuestion(answer);
        const QString inPlace = f.Folder.Write(u"game/GameData/UserObjects/chair.iff"_s, "c");
        const InstallResult result = f.Install(
            {{.SourcePath = inPlace, .Kind = Objects, .DisplayName = inPlace, .Comment = {}}});
        EXPECT_EQ(f.Interaction.MessageTexts().value(0),
                  u"You're trying to install one or more files that are already in the directory "
                  "of The Vocks. This might cause problems!\r\n\r\nDo you want to continue?"_s);
        EXPECT_EQ(result.Cancelled, answer == MessageAnswer::No);
        EXPECT_EQ(f.Records(), answer == MessageAnswer::Yes
                                   ? QStringList{u"100 GameData/UserObjects/chair.iff"_s}
                                   : QStringList());
        EXPECT_EQ(f.Interaction.MessageTexts().value(1),
                  answer == MessageAnswer::Yes ? u"0 files have been installed to The Vocks."_s
                                               : QString());
        EXPECT_EQ(f.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "c");
    }
}

TEST_F(InstallExecutionTest, AFailedCopyIsNamedAndNeitherCountedNorRecordedWhileOthersGoOn) {
    const TickedFile gone = F.Download(u"dl/gone.iff"_s, Objects);
    QFile::remove(gone.SourcePath);
    const InstallResult result = F.Install(
        {F.Download(u"dl/chair.iff"_s, Objects), gone, F.Download(u"dl/lamp.iff"_s, Objects)});

    EXPECT_EQ(result.Count, 2);
    EXPECT_EQ(result.Files[1].Outcome, InstallOutcome::Failed);
    EXPECT_EQ(F.GameFiles(), (QStringList{u"GameData/UserObjects/chair.iff"_s,
                                          u"GameData/UserObjects/lamp.iff"_s}));
    EXPECT_EQ(F.Interaction.MessageTexts(),
              (QStringList{u"These files could not be copied and have not been installed:\r\n"_s +
                               QDir::toNativeSeparators(gone.SourcePath),
                           u"2 files have been installed to The Vocks."_s}));
    EXPECT_EQ(F.Records(u"GameData/UserObjects/"_s),
              (QStringList{u"100 chair.iff"_s, u"100 lamp.iff"_s}));
}

TEST_F(InstallExecutionTest, AReplacedFileIsKeptByTheOperationAndComesBackWhenItsCopyFails) {
    F.Folder.Write(u"game/GameData/UserObjects/chair.iff"_s, "old chair");
    F.Folder.Write(u"game/GameData/UserObjects/gone.iff"_s, "old gone");
    const TickedFile gone = F.Download(u"dl/gone.iff"_s, Objects);
    QFile::remove(gone.SourcePath);
    const InstallResult result =
        F.Install({F.Download(u"dl/chair.iff"_s, Objects), gone}, FileExistsAnswer::OverwriteAll);

    EXPECT_EQ(result.Count, 1);
    EXPECT_EQ(F.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "dl/chair.iff");
    EXPECT_EQ(F.Folder.Read(u"game/GameData/UserObjects/gone.iff"_s), "old gone");
    // Step 1 notes that files.iff did not exist, step 2 keeps the chair it replaced.
    const QStringList operations =
        QDir(F.Folder.Path(u"operations"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    ASSERT_EQ(operations.size(), 1);
    const QString keep = u"operations/"_s + operations[0] + u"/keep/"_s;
    EXPECT_EQ(QDir(F.Folder.Path(keep)).entryList(QDir::Files), QStringList{u"2"_s});
    EXPECT_EQ(F.Folder.Read(keep + u"2"_s), "old chair");
    // For undo to tell a changed file: the copy's size, time and the SHA-256 of "dl/chair.iff".
    const QFileInfo chair(F.Game(u"GameData/UserObjects/chair.iff"_s));
    EXPECT_TRUE(
        F.Folder.Read(u"operations/"_s + operations[0] + u"/journal.txt"_s)
            .contains("\nwrote\t2\t12\t" +
                      QByteArray::number(chair.lastModified().toMSecsSinceEpoch()) +
                      "\t1b4b2517c9f34821201b5afad075607b934db9459ad1c07786847107cd28f365\n"));
}

namespace {
// Once the copies are done, no file may grow past the journal's size and three bytes: the
// database still fits, the journal's commit line does not.
class DiskFullAtCommit : public ProgressHandle {
public:
    explicit DiskFullAtCommit(QString operations) : FOperations(std::move(operations)) {}
    void SetMessage(const QString&) override {}
    void ShowBar(bool) override {}
    void SetPercent(int percent) override {
        const QStringList folders = QDir(FOperations).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        if (percent == 95 && folders.size() == 1)
            FLimit.emplace(QFileInfo(FOperations + u'/' + folders[0] + u"/journal.txt"_s).size() +
                           3);
    }

private:
    QString FOperations;
    std::optional<FileSizeLimit> FLimit;
};

class DiskFullAtCommitInteraction : public ScriptedInteraction {
public:
    explicit DiskFullAtCommitInteraction(QString operations) : FOperations(std::move(operations)) {}
    std::unique_ptr<ProgressHandle> BeginProgress(const QString&) override {
        return std::make_unique<DiskFullAtCommit>(FOperations);
    }

private:
    QString FOperations;
};
} // namespace

TEST_F(InstallExecutionTest, AnInstallWhoseCommitCannotBeWrittenIsUndoneAndSaysSo) {
    F.Folder.Write(u"game/GameData/UserObjects/chair.iff"_s, "old chair");
    F.Folder.Write(u"files.iff"_s, {});
    // A long comment makes the journal's header outgrow the database, which records only
    // the chair: the first file is gone before it can be copied.
    TickedFile gone = F.Download(u"dl/gone.iff"_s, Objects, QString(4000, u'x'));
    QFile::remove(gone.SourcePath);
    const TickedFile chair = F.Download(u"dl/chair.iff"_s, Objects);
    DiskFullAtCommitInteraction user(F.Folder.Path(u"operations"_s));
    EnglishLanguage language;
    const InstallResult result =
        InstallTickedFiles({.Files = {gone, chair},
                            .GameFolder = F.Game({}),
                            .Packs = {},
                            .FileExistsDefault = FileExistsAnswer::OverwriteAll,
                            .DatabaseFile = F.Folder.Path(u"files.iff"_s),
                            .ExtractionFolder = {}},
                           language, user);

    EXPECT_EQ(result.Count, 0);
    EXPECT_FALSE(result.Recorded);
    EXPECT_EQ(result.Files[1].Outcome, InstallOutcome::Failed);
    EXPECT_EQ(F.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "old chair");
    EXPECT_EQ(F.Folder.Read(u"files.iff"_s), QByteArray());
    ASSERT_EQ(user.MessageTexts().size(), 3);
    EXPECT_TRUE(user.MessageTexts()[0].startsWith(
        u"The Packwright could not write the record of this change in"_s));
    EXPECT_EQ(user.MessageTexts()[2], u"0 files have been installed to The Vocks."_s);
}

TEST_F(InstallExecutionTest, CopiesKeepPermissionsAndTimeAndReplaceReadOnlyTargets) {
    const TickedFile chair = F.Download(u"dl/chair.iff"_s, Objects);
    const QDateTime stamp(QDate(2004, 5, 6), QTime(7, 8, 9));
    ASSERT_TRUE(SetFileModified(chair.SourcePath, stamp));
    const QFileDevice::Permissions readOnly = QFileDevice::ReadOwner | QFileDevice::ReadUser;
    ASSERT_TRUE(QFile::setPermissions(chair.SourcePath, readOnly));
    const QString existing = F.Folder.Write(u"game/GameData/UserObjects/chair.iff"_s, "old");
    ASSERT_TRUE(QFile::setPermissions(existing, readOnly));

    F.Install({chair}, FileExistsAnswer::OverwriteAll);

    EXPECT_EQ(F.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "dl/chair.iff");
    const QFileInfo target(existing);
    EXPECT_EQ(target.permissions() & QFileDevice::WriteOwner, QFileDevice::Permissions());
    EXPECT_EQ(target.lastModified(), stamp);
}

TEST_F(InstallExecutionTest, WithoutAGameFolderNothingIsCopiedAnywhere) {
    for (const QString& game : {QString(), u"missing/"_s}) {
        InstallSandbox f;
        const InstallResult result =
            f.Install({f.Download(u"dl/chair.iff"_s, Objects)}, FileExistsAnswer::Ask, game);
        EXPECT_TRUE(result.Cancelled);
        EXPECT_EQ(
            f.Interaction.MessageTexts(),
            QStringList{
                u"Directory not found.\r\nPlease verify the correct directory name was given."_s});
        EXPECT_EQ(f.Folder.Contents(), QStringList({u"dl"_s, u"dl/chair.iff"_s, u"game"_s}));
        EXPECT_FALSE(QFileInfo::exists(u"GameData"_s));
    }
}

TEST_F(InstallExecutionTest, ExportedFamiliesAndAreasOfEveryKindGoToTheImportFolder) {
    const struct {
        ContentKind Kind;
        QString Download;
        QString Target;
    } cases[] = {
        {Families, u"dl/fam1.fam"_s, u"UserData/Import/fam1.fam"_s},
        {ExpDowntowns, u"dl/lot.dtl"_s, u"UserData/Import/lot.dtl"_s},
        {ExpIslands, u"dl/lot.vil"_s, u"UserData/Import/lot.vil"_s},
        {ExpCommunities, u"dl/lot.cmt"_s, u"UserData/Import/lot.cmt"_s},
        {ExpStudios, u"dl/lot.stl"_s, u"UserData/Import/lot.stl"_s},
        {ExpMagicAreas, u"dl/lot.mtl"_s, u"UserData/Import/lot.mtl"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Download.toStdString());
        InstallSandbox f;
        f.Install({f.Download(c.Download, c.Kind)});
        EXPECT_TRUE(f.Interaction.HoodQuestions().isEmpty());
        EXPECT_EQ(f.GameFiles(), QStringList{c.Target});
        EXPECT_EQ(f.Records(), QStringList{u"%1 %2"_s.arg(ContentKindValue(c.Kind)).arg(c.Target)});
    }
}

TEST_F(InstallExecutionTest, HousesForANeighbourhoodWithoutAFolderAreLeftOutWithItsNameShown) {
    F.Interaction.ExpectHoodChoice({HoodChoiceAnswer::Continue, F.Game(u"UserData7/"_s)});
    const InstallResult result = F.Install(
        {F.Download(u"dl/house01.iff"_s, Houses), F.Download(u"dl/chair.iff"_s, Objects)});

    EXPECT_EQ(F.GameFiles(), QStringList{u"GameData/UserObjects/chair.iff"_s});
    EXPECT_EQ(result.Files[0].Outcome, InstallOutcome::Skipped);
    EXPECT_EQ(result.Files[0].Target,
              QDir::toNativeSeparators(F.Game(u"UserData7/Houses/house01.iff"_s)));
    EXPECT_EQ(F.Interaction.MessageTexts(),
              (QStringList{u"The neighborhood folder \""_s +
                               QDir::toNativeSeparators(F.Game(u"UserData7/"_s)) +
                               u"\" does not exist. Houses and areas have not been installed."_s,
                           u"1 file has been installed to The Vocks."_s}));
    EXPECT_FALSE(QFileInfo::exists(F.Game(u"UserData7"_s)));
    EXPECT_EQ(F.Records(), QStringList{u"100 GameData/UserObjects/chair.iff"_s});
}

TEST_F(InstallExecutionTest, ADatabaseThatCannotBeReadStopsTheInstallBeforeAnyCopy) {
    InstallSandbox folderInTheWay;
    ASSERT_TRUE(QDir().mkpath(folderInTheWay.Folder.Path(u"files.iff"_s)));
    InstallSandbox unreadable;
    unreadable.Folder.Write(u"files.iff"_s, "records");
    ASSERT_TRUE(QFile::setPermissions(unreadable.Folder.Path(u"files.iff"_s), {}));
    for (InstallSandbox* f : {&folderInTheWay, &unreadable}) {
        const TickedFile chair = f->Download(u"dl/chair.iff"_s, Objects);
        HandToOrdinaryUser(f->Folder.Path());
        InstallResult result;
        {
            AsOrdinaryUser user;
            result = f->Install({chair});
        }
        EXPECT_TRUE(result.Cancelled);
        EXPECT_EQ(f->GameFiles(), QStringList());
        EXPECT_EQ(f->Interaction.MessageTexts(), QStringList{DbError});
    }
    ASSERT_TRUE(QFile::setPermissions(unreadable.Folder.Path(u"files.iff"_s), QFile::ReadOwner));
    EXPECT_EQ(unreadable.Folder.Read(u"files.iff"_s), "records");
}

TEST_F(InstallExecutionTest, RecordsThatCannotBeSavedAreReportedAfterTheCopies) {
    // The data folder takes the operation's journal but no new files.iff beside it.
    F.Database = u"home/files.iff"_s;
    ASSERT_TRUE(QDir().mkpath(F.Folder.Path(u"home/operations"_s)));
    const TickedFile chair = F.Download(u"dl/chair.iff"_s, Objects);
    HandToOrdinaryUser(F.Folder.Path());
    ASSERT_TRUE(
        QFile::setPermissions(F.Folder.Path(u"home"_s), QFile::ReadOwner | QFile::ExeOwner));
    InstallResult result;
    {
        AsOrdinaryUser user;
        result = F.Install({chair});
    }
    ASSERT_TRUE(QFile::setPermissions(F.Folder.Path(u"home"_s),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));

    EXPECT_FALSE(result.Recorded);
    EXPECT_EQ(result.Count, 1);
    EXPECT_EQ(F.GameFiles(), QStringList{u"GameData/UserObjects/chair.iff"_s});
    EXPECT_EQ(F.Interaction.MessageTexts(),
              (QStringList{DbError, u"1 file has been installed to The Vocks."_s}));
}

TEST_F(InstallExecutionTest, AMissingDataFolderStopsTheInstallBeforeItsFirstCopy) {
    F.Database = u"missing/files.iff"_s;
    const InstallResult result = F.Install({F.Download(u"dl/chair.iff"_s, Objects)});

    EXPECT_TRUE(result.Cancelled);
    EXPECT_EQ(F.GameFiles(), QStringList());
    EXPECT_EQ(F.Interaction.MessageTexts(),
              QStringList{u"The Packwright could not write the record of this change in \""_s +
                          QDir::toNativeSeparators(F.Folder.Path(u"missing"_s)) +
                          u"\". Nothing has been changed."_s});
    EXPECT_FALSE(QFileInfo::exists(F.Folder.Path(u"missing"_s)));
}

// Two archive entries of one name reach the install as one name shown with two files on
// disk ("chair (2).iff" beside "chair.iff"): the second meets the first as an existing file.
TEST_F(InstallExecutionTest, SameNamedEntriesOfAnArchiveMeetAsAnExistingFile) {
    const QString shown = QDir::toNativeSeparators(F.Folder.Path(u"dl/set.zip"_s)) +
                          QDir::separator() + u"chair.iff"_s;
    const QString first = F.Folder.Write(u"temp/set.zip/chair.iff"_s, "one");
    const QString second = F.Folder.Write(u"temp/set.zip/chair (2).iff"_s, "two");
    F.Interaction.ExpectFileExists({FileExistsAnswer::Overwrite, {}});

    const InstallResult result =
        F.Install({{.SourcePath = first, .Kind = Objects, .DisplayName = shown, .Comment = {}},
                   {.SourcePath = second, .Kind = Objects, .DisplayName = shown, .Comment = {}}});

    ASSERT_EQ(F.Interaction.FileExistsQuestions().size(), 1);
    EXPECT_EQ(F.GameFiles(), QStringList({u"GameData/UserObjects/chair.iff"_s}));
    EXPECT_EQ(F.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "two");
    EXPECT_EQ(F.Records(u"GameData/UserObjects/"_s), QStringList({u"100 chair.iff"_s}));
    EXPECT_EQ(result.Count, 2);
}

// Bytes the install extracted are its own and are not written a second time; a download
// of the user's never shares its bytes with what lands in the game folder.
TEST_F(InstallExecutionTest, ExtractedFilesBecomeTheirTargetsAndDownloadsAreCopied) {
    const QString extracted = F.Folder.Write(u"temp/set.zip/chair.iff"_s, "chair");
    const TickedFile lamp = F.Download(u"dl/lamp.iff"_s, Objects);

    const InstallResult result = F.Install(
        {{.SourcePath = extracted, .Kind = Objects, .DisplayName = extracted, .Comment = {}},
         lamp});

    EXPECT_EQ(result.Count, 2);
    const auto names = [&](const QString& file) {
        return std::filesystem::hard_link_count(
            F.Game(u"GameData/UserObjects/"_s + file).toStdString());
    };
    EXPECT_EQ(names(u"chair.iff"_s), 2U);
    EXPECT_EQ(names(u"lamp.iff"_s), 1U);
    EXPECT_EQ(F.Records(u"GameData/UserObjects/"_s),
              QStringList({u"100 chair.iff"_s, u"100 lamp.iff"_s}));
}

// Whether a file comes from the game folder is judged by the name shown (an archive lying
// in the game folder counts) and by real paths (the game folder reached through a link
// holds the file itself, which is then recorded in place once, however often installed).
TEST_F(InstallExecutionTest, TheGameFolderIsRecognisedThroughArchivesAndLinks) {
    F.Folder.Write(u"game/Downloads/set.zip"_s, "zip");
    const QString shown = QDir::toNativeSeparators(F.Game(u"Downloads/set.zip"_s)) +
                          QDir::separator() + u"chair.iff"_s;
    const QString extracted = F.Folder.Write(u"temp/set.zip/chair.iff"_s, "c");
    F.Interaction.ExpectQuestion(MessageAnswer::No);
    EXPECT_TRUE(
        F.Install({{.SourcePath = extracted, .Kind = Objects, .DisplayName = shown, .Comment = {}}})
            .Cancelled);
    EXPECT_EQ(F.Interaction.MessageTexts().size(), 1) << "asked, then nothing more";
    EXPECT_EQ(F.GameFiles(), QStringList({u"Downloads/set.zip"_s}));

    InstallSandbox f;
    const QString chair = f.Folder.Write(u"game/GameData/UserObjects/chair.iff"_s, "chair");
    ASSERT_TRUE(QFile::link(f.Folder.Path(u"game"_s), f.Folder.Path(u"link"_s)));
    for (int run = 0; run < 2; ++run) {
        f.Interaction.ExpectQuestion(MessageAnswer::Yes);
        const InstallResult result =
            f.Install({{.SourcePath = chair, .Kind = Objects, .DisplayName = chair, .Comment = {}}},
                      FileExistsAnswer::Ask, u"link/"_s);
        EXPECT_EQ(result.Files.value(0).Outcome, InstallOutcome::InPlace);
    }
    EXPECT_TRUE(f.Interaction.FileExistsQuestions().isEmpty());
    EXPECT_EQ(f.Folder.Read(u"game/GameData/UserObjects/chair.iff"_s), "chair");
    EXPECT_EQ(RecordLines(f.Folder.Path(u"files.iff"_s), f.Folder.Path(u"link/"_s)),
              QStringList({u"100 GameData/UserObjects/chair.iff"_s}));
}
