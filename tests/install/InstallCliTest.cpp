#include "formats/InstalledFilesDb.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST_F(TempFolderTest, CliInstallsEachFileToItsFolderPrintsWhereAndRecordsIt) {
    const QString game = FFolder.Path(u"game/"_s);
    FFolder.Write(u"game/userdata2/Houses/House01.iff"_s, "old house");
    FFolder.Write(u"game/GameData/UserObjects/LAMP.IFF"_s, "old lamp");
    const QStringList files{
        u"100:"_s + FFolder.Write(u"dl/chair.iff"_s, "chair"),
        u"100:"_s + FFolder.Write(u"dl/lamp.iff"_s, "lamp"),
        u"130:"_s + FFolder.Write(u"dl/b001body.skn"_s, "skin"),
        u"110:"_s + FFolder.Write(u"dl/house01.iff"_s, "house"),
        u"120:"_s + FFolder.Write(u"dl/fam1.fam"_s, "family"),
        u"100:"_s + FFolder.Path(u"dl/missing.iff"_s),
    };
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"home"_s));
    ASSERT_TRUE(QDir().mkpath(FFolder.Path(u"home"_s)));
    const ProgramRun run =
        RunCli(QStringList{u"install"_s, u"--game"_s, game, u"--hood"_s, u"2"_s, u"--if-exists"_s,
                           u"overwrite"_s, u"--comment"_s, u"from the cli"_s} +
                   files,
               {}, environment);

    EXPECT_EQ(run.Exit, 1) << run.Err.toStdString();
    EXPECT_EQ(run.Out, u"installed\t100\t"_s + game + u"GameData/UserObjects/chair.iff\n"_s +
                           u"installed\t100\t"_s + game + u"GameData/UserObjects/LAMP.IFF\n"_s +
                           u"installed\t130\t"_s + game + u"GameData/Skins/b001body.skn\n"_s +
                           u"installed\t110\t"_s + game + u"userdata2/Houses/House01.iff\n"_s +
                           u"installed\t120\t"_s + game + u"UserData/Import/fam1.fam\n"_s +
                           u"failed\t100\t"_s + game + u"GameData/UserObjects/missing.iff\n"_s);
    EXPECT_EQ(FFolder.Read(u"game/userdata2/Houses/House01.iff"_s), "house");
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/LAMP.IFF"_s), "lamp");
    const InstalledFilesDb db(FFolder.Path(u"home/files.iff"_s));
    EXPECT_EQ(db.Count(ContentKind::Objects), 2);
    EXPECT_EQ(db.Get(ContentKind::Houses, 0).FileName, game + u"userdata2/Houses/House01.iff"_s);
    EXPECT_EQ(db.Get(ContentKind::Families, 0).Comment, u"from the cli"_s);

    const ProgramRun again = RunCli({u"install"_s, u"--game"_s, game, u"--no-houses"_s,
                                     u"110:"_s + FFolder.Path(u"dl/house01.iff"_s),
                                     u"100:"_s + FFolder.Path(u"dl/chair.iff"_s)},
                                    {}, environment);
    EXPECT_EQ(again.Exit, 0);
    EXPECT_EQ(again.Out,
              u"skipped\t110\t\nskipped\t100\t"_s + game + u"GameData/UserObjects/chair.iff\n"_s);
}
