#include "InstalledGame.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST_F(TempFolderTest, CliInstallsWhatTheDownloadsHoldAsTheOptionsDecide) {
    const QString game = FFolder.Path(u"game/"_s);
    FFolder.Write(u"game/userdata2/Houses/House01.iff"_s, "old house");
    FFolder.Write(u"game/GameData/UserObjects/LAMP.IFF"_s, "old lamp");
    FFolder.Write(u"dl/chair.iff"_s, "chair");
    FFolder.Write(u"dl/lamp.iff"_s, "lamp");
    FFolder.Write(u"dl/b001body.cmx"_s, "skin");
    FFolder.Write(u"dl/house01.iff"_s, "house");
    FFolder.Write(u"dl/fam1.fam"_s, "family");
    FFolder.Write(u"dl/notes.doc"_s, "not content");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"home"_s));
    ASSERT_TRUE(QDir().mkpath(FFolder.Path(u"home"_s)));
    const QStringList common{u"install"_s, u"--game"_s, game, u"--packs"_s, u"all"_s};

    const ProgramRun run =
        RunCli(common + QStringList{u"--hood"_s, u"2"_s, u"--on-conflict"_s, u"overwrite"_s,
                                    u"--comment"_s, u"from the cli"_s, FFolder.Path(u"dl"_s)},
               {}, environment);
    EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    // Tree order: the kinds sorted by caption, the files by name.
    EXPECT_EQ(run.Out, u"installed\t120\t"_s + game + u"UserData/Import/fam1.fam\n"_s +
                           u"installed\t110\t"_s + game + u"userdata2/Houses/House01.iff\n"_s +
                           u"installed\t100\t"_s + game + u"GameData/UserObjects/chair.iff\n"_s +
                           u"installed\t100\t"_s + game + u"GameData/UserObjects/LAMP.IFF\n"_s +
                           u"installed\t130\t"_s + game + u"GameData/Skins/b001body.cmx\n"_s);
    EXPECT_EQ(FFolder.Read(u"game/userdata2/Houses/House01.iff"_s), "house");
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/LAMP.IFF"_s), "lamp");
    EXPECT_EQ(RecordLines(FFolder.Path(u"home/files.iff"_s), game),
              (QStringList{u"100 GameData/UserObjects/chair.iff from the cli"_s,
                           u"100 GameData/UserObjects/LAMP.IFF from the cli"_s,
                           u"110 userdata2/Houses/House01.iff from the cli"_s,
                           u"120 UserData/Import/fam1.fam from the cli"_s,
                           u"130 GameData/Skins/b001body.cmx from the cli"_s}));

    const ProgramRun again = RunCli(
        common + QStringList{u"--no-houses"_s, u"--on-conflict"_s, u"rename-to-chair2.iff"_s,
                             FFolder.Path(u"dl/house01.iff"_s), FFolder.Path(u"dl/chair.iff"_s)},
        {}, environment);
    EXPECT_EQ(again.Exit, 0) << again.Err.toStdString();
    EXPECT_EQ(again.Out, u"skipped\t110\t\ninstalled\t100\t"_s + game +
                             u"GameData/UserObjects/chair2.iff\n"_s);
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/chair2.iff"_s), "chair");

    // Usage faults, a missing path and downloads holding nothing installable.
    for (const QStringList& args : {QStringList{u"--on-conflict"_s, u"rename-to-"_s},
                                    {u"--hood"_s, u"0"_s},
                                    {u"--packs"_s, u"moon"_s},
                                    {u"--if-exists"_s, u"skip"_s}}) {
        EXPECT_EQ(RunCli(common + args + QStringList{FFolder.Path(u"dl"_s)}).Exit, 2)
            << args.join(u' ').toStdString();
    }
    EXPECT_EQ(RunCli(common).Exit, 2);
    EXPECT_EQ(RunCli(common + QStringList{FFolder.Path(u"dl/missing.iff"_s)}).Exit, 1);
    EXPECT_EQ(RunCli(common + QStringList{FFolder.Path(u"dl/notes.doc"_s)}).Exit, 1);
}
