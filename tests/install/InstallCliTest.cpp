#include "InstalledGame.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"
#include "support/ZipFixtures.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString DbErrorLine = u"Error writing installed files database! Please check that you have "
                            "write access to the \"files.iff\" file.\n"_s;

// Installs into the folder's "game" with its "home", or another folder, as the program folder.
ProgramRun InstallCli(const TempFolder& folder, const QStringList& args,
                      const QString& home = u"home"_s) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PACKWRIGHT_HOME"_s, folder.Path(home));
    return RunCli(
        QStringList{u"install"_s, u"--game"_s, folder.Path(u"game/"_s), u"--packs"_s, u"all"_s} +
            args,
        {}, environment);
}
} // namespace

TEST_F(TempFolderTest, CliInstallsWhatTheDownloadsHoldAsTheOptionsDecide) {
    const QString game = FFolder.Path(u"game/"_s);
    FFolder.Write(u"game/userdata2/Houses/House01.iff"_s, "old house");
    FFolder.Write(u"game/GameData/UserObjects/LAMP.IFF"_s, "old lamp");
    FFolder.Write(u"dl/chair.iff"_s, "chair");
    FFolder.Write(u"dl/lamp.iff"_s, "lamp");
    FFolder.Write(u"dl/b001body.cmx"_s, "skin");
    FFolder.Write(u"dl/house01.iff"_s, "house");
    // An archive is opened into a temporary folder of the command's own.
    FFolder.Write(u"dl/family.zip"_s, BuildZipArchive({{.Name = "fam1.fam", .Data = "family"}}));
    FFolder.Write(u"dl/notes.doc"_s, "not content");
    ASSERT_TRUE(QDir().mkpath(FFolder.Path(u"home"_s)));

    const ProgramRun run =
        InstallCli(FFolder, {u"--hood"_s, u"2"_s, u"--on-conflict"_s, u"overwrite"_s,
                             u"--comment"_s, u"from the cli"_s, FFolder.Path(u"dl"_s)});
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    // Tree order: the kinds sorted by caption, the files by name.
    EXPECT_EQ(run.Out, u"installed\t120\t"_s + game + u"UserData/Import/fam1.fam\n"_s +
                           u"installed\t110\t"_s + game + u"userdata2/Houses/House01.iff\n"_s +
                           u"installed\t100\t"_s + game + u"GameData/UserObjects/chair.iff\n"_s +
                           u"installed\t100\t"_s + game + u"GameData/UserObjects/LAMP.IFF\n"_s +
                           u"installed\t130\t"_s + game + u"GameData/Skins/b001body.cmx\n"_s);
    EXPECT_EQ(FFolder.Read(u"game/UserData/Import/fam1.fam"_s), "family");
    EXPECT_EQ(RecordLines(FFolder.Path(u"home/files.iff"_s), game),
              (QStringList{u"100 GameData/UserObjects/chair.iff from the cli"_s,
                           u"100 GameData/UserObjects/LAMP.IFF from the cli"_s,
                           u"110 userdata2/Houses/House01.iff from the cli"_s,
                           u"120 UserData/Import/fam1.fam from the cli"_s,
                           u"130 GameData/Skins/b001body.cmx from the cli"_s}));

    const ProgramRun again =
        InstallCli(FFolder, {u"--no-houses"_s, u"--rename"_s, u"CHAIR.IFF=chair2.iff"_s,
                             FFolder.Path(u"dl/house01.iff"_s), FFolder.Path(u"dl/chair.iff"_s)});
    EXPECT_EQ(again.Exit, 0) << again.Err.toStdString();
    EXPECT_EQ(again.Out, u"skipped\t110\t\ninstalled\t100\t"_s + game +
                             u"GameData/UserObjects/chair2.iff\n"_s);
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/chair2.iff"_s), "chair");

    // Usage faults, a missing path and downloads holding nothing installable.
    for (const QStringList& args :
         {QStringList{u"--on-conflict"_s, u"rename-to-a.iff"_s},
          {u"--rename"_s, u"chair.iff=chair2.far"_s},
          {u"--rename"_s, u"chair.iff=chair2"_s},
          {u"--rename"_s, u"chair.iff"_s},
          {u"--rename"_s, u"=chair2.iff"_s},
          {u"--rename"_s, u"chair.iff=sub/chair2.iff"_s},
          {u"--rename"_s, u"a.iff=b.iff"_s, u"--rename"_s, u"A.IFF=c.iff"_s},
          {u"--hood"_s, u"0"_s},
          {u"--packs"_s, u"moon"_s},
          {u"--if-exists"_s, u"skip"_s}}) {
        EXPECT_EQ(InstallCli(FFolder, args + QStringList{FFolder.Path(u"dl"_s)}).Exit, 2)
            << args.join(u' ').toStdString();
    }
    EXPECT_EQ(InstallCli(FFolder, {}).Exit, 2);
    EXPECT_EQ(InstallCli(FFolder, {FFolder.Path(u"dl/missing.iff"_s)}).Exit, 1);
    EXPECT_EQ(InstallCli(FFolder, {FFolder.Path(u"dl/notes.doc"_s)}).Exit, 1);
}

TEST(InstallCliTest, RenameGivesTheNewNameOnlyToTheNamedFileAndOtherConflictsFollowTheOption) {
    const struct {
        QStringList Options;
        QString Out;
        QMap<QString, QByteArray> Files;
    } cases[] = {
        {{u"--rename"_s, u"Chair.iff=chair2.IFF"_s, u"--rename"_s, u"brick.wll=brick2.wll"_s},
         u"installed\t100\t%1GameData/UserObjects/chair2.IFF\n"
         "skipped\t130\t%1GameData/Skins/b001body.cmx\n"
         "installed\t101\t%1GameData/Walls/brick2.wll\n"_s,
         {{u"GameData/Skins/b001body.cmx"_s, "old"},
          {u"GameData/UserObjects/chair.iff"_s, "old"},
          {u"GameData/UserObjects/chair2.IFF"_s, "chair"},
          {u"GameData/Walls/brick.wll"_s, "old"},
          {u"GameData/Walls/brick2.wll"_s, "brick"}}},
        {{u"--rename"_s, u"chair.iff=chair2.iff"_s, u"--on-conflict"_s, u"overwrite"_s},
         u"installed\t100\t%1GameData/UserObjects/chair2.iff\n"
         "installed\t130\t%1GameData/Skins/b001body.cmx\n"
         "installed\t101\t%1GameData/Walls/brick.wll\n"_s,
         {{u"GameData/Skins/b001body.cmx"_s, "body"},
          {u"GameData/UserObjects/chair.iff"_s, "old"},
          {u"GameData/UserObjects/chair2.iff"_s, "chair"},
          {u"GameData/Walls/brick.wll"_s, "brick"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Options.join(u' ').toStdString());
        TempFolder folder;
        for (const QString& name :
             {u"GameData/UserObjects/chair.iff"_s, u"GameData/Walls/brick.wll"_s,
              u"GameData/Skins/b001body.cmx"_s})
            folder.Write(u"game/"_s + name, "old");
        folder.Write(u"dl/chair.iff"_s, "chair");
        folder.Write(u"dl/brick.wll"_s, "brick");
        folder.Write(u"dl/b001body.cmx"_s, "body");
        QDir().mkpath(folder.Path(u"home"_s));

        const ProgramRun run = InstallCli(folder, c.Options + QStringList{folder.Path(u"dl"_s)});
        EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
        EXPECT_EQ(run.Out, c.Out.arg(folder.Path(u"game/"_s)));
        EXPECT_EQ(FilesBelow(folder, u"game/"_s), c.Files);
    }
}

TEST_F(TempFolderTest, CliHousesForAMissingNeighbourhoodNameItsFolder) {
    FFolder.Write(u"game/UserData/Houses/House02.iff"_s, "hood 1");
    const QString house = FFolder.Write(u"dl/house01.iff"_s, "house");
    QDir().mkpath(FFolder.Path(u"home"_s));

    const ProgramRun run = InstallCli(FFolder, {u"--hood"_s, u"7"_s, house});
    EXPECT_EQ(run.Exit, 0);
    EXPECT_EQ(run.Out,
              u"skipped\t110\t"_s + FFolder.Path(u"game/UserData7/Houses/house01.iff\n"_s));
    EXPECT_EQ(run.Err, u"warning: The neighborhood folder \""_s +
                           FFolder.Path(u"game/UserData7/"_s) +
                           u"\" does not exist. Houses and areas have not been installed.\n"
                           "info: 0 files have been installed to The Vocks.\n"_s);
    EXPECT_EQ(FilesBelow(FFolder, u"game/"_s).keys(),
              QStringList{u"UserData/Houses/House02.iff"_s});
}

TEST_F(TempFolderTest, CliInstallWhoseRecordsCannotBeKeptFails) {
    const QString chair = FFolder.Write(u"dl/chair.iff"_s, "chair");
    QDir().mkpath(FFolder.Path(u"game"_s));

    // A folder where the database should be cannot be read: nothing is copied.
    QDir().mkpath(FFolder.Path(u"home/files.iff"_s));
    const ProgramRun blocked = InstallCli(FFolder, {chair});
    EXPECT_EQ(blocked.Exit, 1);
    EXPECT_EQ(blocked.Err, u"warning: "_s + DbErrorLine);
    EXPECT_EQ(FilesBelow(FFolder, u"game/"_s), (QMap<QString, QByteArray>()));

    // A program folder that does not exist cannot take the journal: nothing is copied.
    const ProgramRun unsaved = InstallCli(FFolder, {chair}, u"gone"_s);
    EXPECT_EQ(unsaved.Exit, 1);
    EXPECT_EQ(unsaved.Out, u"skipped\t100\t\n"_s);
    EXPECT_EQ(unsaved.Err,
              u"error: The Packwright could not write the record of this change in \""_s +
                  FFolder.Path(u"gone"_s) + u"\". Nothing has been changed.\n"_s);
    EXPECT_EQ(FilesBelow(FFolder, u"game/"_s), (QMap<QString, QByteArray>()));
}
