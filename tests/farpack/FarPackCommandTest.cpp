#include "formats/InstalledFilesDb.h"
#include "support/FarFixtures.h"
#include "support/OrdinaryUser.h"
#include "support/OwnProgramFolder.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"

#include <QFile>

using namespace Qt::StringLiterals;

class FarPackCommandTest : public OwnProgramFolderTest {
protected:
    // packwright-cli far ... in the test folder.
    ProgramRun Far(const QStringList& args) const {
        return RunCli(QStringList{u"far"_s} + args, FFolder.Path());
    }
    QString Game(const QString& name) const { return FFolder.Path(u"game/"_s + name); }
};

TEST_F(FarPackCommandTest, ListsCandidatesAndPacksTheNamedOnesAsTheTabDoes) {
    FFolder.Write(u"game/Downloads/a.iff"_s, "aaa");
    FFolder.Write(u"game/GameData/UserObjects/Sets/lamp.iff"_s, "lamp");
    FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "chair");

    const ProgramRun listed = Far({u"candidates"_s, u"--game"_s, u"game"_s});
    EXPECT_EQ(listed.Exit, 0) << listed.Err.toStdString();
    EXPECT_EQ(listed.Out, u"Downloads\ta.iff\t"_s + Game(u"Downloads/a.iff"_s) +
                              u"\nGameData\\\\UserObjects\tchair.iff\t"_s +
                              Game(u"GameData/UserObjects/chair.iff"_s) +
                              u"\nGameData\\\\UserObjects\tSets\\\\lamp.iff\t"_s +
                              Game(u"GameData/UserObjects/Sets/lamp.iff"_s) + u"\n"_s);

    const QStringList pack = {u"pack"_s,    u"--game"_s,        u"game"_s,   u"--far"_s,
                              u"out.far"_s, u"--backup"_s,      u"backup"_s, u"--comment"_s,
                              u"mine"_s,    u"sets/LAMP.iff"_s, u"a.iff"_s};
    // Outside the game's folders the archive needs the user's agreement.
    const ProgramRun refused = Far(pack);
    EXPECT_EQ(refused.Exit, 1);
    EXPECT_TRUE(refused.Err.contains(u"question: You're not saving the FAR file"_s));
    EXPECT_FALSE(QFile::exists(FFolder.Path(u"out.far"_s)));

    const ProgramRun packed = Far(pack + QStringList{u"--yes"_s});
    EXPECT_EQ(packed.Exit, 0) << packed.Err.toStdString();
    EXPECT_EQ(packed.Out, u"packed\tSets\\\\lamp.iff\t"_s +
                              FFolder.Path(u"backup/Sets/lamp.iff"_s) + u"\npacked\ta.iff\t"_s +
                              FFolder.Path(u"backup/a.iff"_s) + u"\n"_s);
    EXPECT_EQ(FFolder.Read(u"out.far"_s),
              BuildFarArchive({{"Sets\\lamp.iff", "lamp"}, {"a.iff", "aaa"}}));
    const InstalledFilesDb db(FFolder.Path(u"home/files.iff"_s));
    // How packed files are recorded is the engine's; the command passes the comment.
    EXPECT_EQ(db.Get(ContentKind::FarFiles, 0).Comment, u"mine"_s);

    EXPECT_EQ(Far({u"pack"_s, u"--game"_s, u"game"_s, u"--far"_s, u"out.far"_s}).Exit, 2);
    const ProgramRun unknown = Far({u"pack"_s, u"--game"_s, u"game"_s, u"--far"_s, u"out.far"_s,
                                    u"--backup"_s, u"b"_s, u"none.iff"_s});
    EXPECT_EQ(unknown.Exit, 1);
}

// A file that cannot leave its folder stays (the packing's own tests check what is kept):
// the command names it as failed and ends with a failure.
TEST_F(FarPackCommandTest, AnOriginalThatCannotBeMovedIsPrintedAsFailedAndFailsTheCommand) {
    FFolder.Write(u"game/GameData/UserObjects/Locked/lamp.iff"_s, "new");
    FFolder.Write(u"backup/Locked/lamp.iff"_s, "old");
    QFile::setPermissions(Game(u"GameData/UserObjects/Locked"_s),
                          QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    HandToOrdinaryUser(FFolder.Path());
    const ProgramRun packed =
        RunCliAsOrdinaryUser({u"far"_s, u"pack"_s, u"--game"_s, u"game"_s, u"--far"_s,
                              Game(u"GameData/UserObjects/objs.far"_s), u"--backup"_s, u"backup"_s,
                              u"--on-conflict"_s, u"overwrite"_s},
                             FFolder.Path());
    EXPECT_EQ(packed.Exit, 1) << packed.Err.toStdString();
    EXPECT_EQ(packed.Out, u"failed\tLocked\\\\lamp.iff\t"_s +
                              FFolder.Path(u"backup/Locked/lamp.iff"_s) + u"\n"_s);
}
