#include "journal/OperationsFolder.h"
#include "JournalFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString Undone = u") has been undone: the game folder and the installed files database "
                       "are as they were before it.\n"_s;

// A game folder holding a chair and a lamp, recorded in files.iff by an earlier install, and
// downloads that replace both and add a table and a skin.
class RecoverCliTest : public TempFolderTest {
protected:
    RecoverCliTest() {
        FEnvironment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"home"_s));
        QDir().mkpath(FFolder.Path(u"home"_s));
        QDir().mkpath(FFolder.Path(u"game/GameData/UserObjects"_s));
        FFolder.Write(u"first/chair.iff"_s, "old chair");
        FFolder.Write(u"first/lamp.iff"_s, "old lamp");
        EXPECT_EQ(Cli({u"install"_s, u"--game"_s, Game(), u"--packs"_s, u"all"_s,
                       FFolder.Path(u"first"_s)})
                      .Exit,
                  0);
        FFolder.Write(u"dl/chair.iff"_s, "new chair");
        FFolder.Write(u"dl/lamp.iff"_s, "new lamp");
        FFolder.Write(u"dl/table.iff"_s, "table");
        FFolder.Write(u"dl/b001body.cmx"_s, "skin");
    }

    QString Game() const { return FFolder.Path(u"game/"_s); }
    ProgramRun Cli(const QStringList& args, const QString& killBeforeStep = QString()) const {
        QProcessEnvironment environment = FEnvironment;
        if (!killBeforeStep.isEmpty())
            environment.insert(u"PACKWRIGHT_TEST_KILL_BEFORE_STEP"_s, killBeforeStep);
        return RunCli(args, {}, environment);
    }
    ProgramRun InstallDownloads(const QString& killBeforeStep) const {
        return Cli({u"install"_s, u"--game"_s, Game(), u"--packs"_s, u"all"_s, u"--on-conflict"_s,
                    u"overwrite"_s, FFolder.Path(u"dl"_s)},
                   killBeforeStep);
    }
    QStringList State() const { return Snapshot(Game()) + Snapshot(FFolder.Path(u"home"_s)); }

    QProcessEnvironment FEnvironment = QProcessEnvironment::systemEnvironment();
};
} // namespace

// Steps: 1 keeps files.iff, then a folder for the skins, one per download, then the commit.
TEST_F(RecoverCliTest, AnInstallKilledAtAnyStepIsUndoneToTheExactStateBefore) {
    const QStringList before = State();
    for (int step = 1; step <= 7; ++step) {
        const ProgramRun killed = InstallDownloads(QString::number(step));
        ASSERT_EQ(killed.Exit, 86) << "step " << step << killed.Err.toStdString();

        const ProgramRun recover = Cli({u"recover"_s});
        EXPECT_EQ(recover.Exit, 0) << "step " << step;
        EXPECT_TRUE(recover.Err.startsWith(u"info: An interrupted installation ("_s) &&
                    recover.Err.endsWith(Undone))
            << recover.Err.toStdString();
        EXPECT_EQ(State(), before) << "step " << step;
        const ProgramRun again = Cli({u"recover"_s, u"--game"_s, Game()});
        EXPECT_EQ(again.Exit, 0);
        EXPECT_EQ(again.Err, QString());
    }
    // Not killed, the same install completes.
    EXPECT_EQ(InstallDownloads({}).Exit, 0);
    EXPECT_EQ(FFolder.Read(u"game/GameData/UserObjects/chair.iff"_s), "new chair");
    EXPECT_EQ(FFolder.Read(u"game/GameData/Skins/b001body.cmx"_s), "skin");
}

TEST_F(RecoverCliTest, CommandsOnTheGameFolderOrItsRecordsRecoverBeforeTheyRun) {
    const QStringList before = State();
    ASSERT_EQ(InstallDownloads(u"4"_s).Exit, 86);
    EXPECT_NE(State(), before);

    const ProgramRun list = Cli({u"db"_s, u"list"_s});
    EXPECT_EQ(list.Exit, 0);
    EXPECT_TRUE(list.Err.endsWith(Undone)) << list.Err.toStdString();
    EXPECT_EQ(list.Out.count(u'\n'), 2) << list.Out.toStdString();
    EXPECT_EQ(State(), before);

    // Reading archives touches neither: nothing waits to be undone there.
    ASSERT_EQ(InstallDownloads(u"4"_s).Exit, 86);
    EXPECT_EQ(Cli({u"scan"_s, FFolder.Path(u"dl"_s)}).Err, QString());
    EXPECT_NE(State(), before);
    EXPECT_TRUE(Cli({u"install"_s, u"--help"_s}).Err.isEmpty());
    const ProgramRun content = Cli({u"content"_s, u"--game"_s, Game()});
    EXPECT_TRUE(content.Err.contains(Undone)) << content.Err.toStdString();
    EXPECT_EQ(State(), before);
}

TEST_F(RecoverCliTest, ASecondProcessIsRefusedWhileTheDataFolderIsHeld) {
    OperationsLock held;
    ASSERT_EQ(held.Acquire(FFolder.Path(u"home/operations"_s), 0), LockOutcome::Held);
    const QStringList before = State();

    for (const QStringList& args : {QStringList{u"recover"_s}, QStringList{u"db"_s, u"list"_s}}) {
        const ProgramRun refused = Cli(args);
        EXPECT_EQ(refused.Exit, 1);
        EXPECT_EQ(refused.Err, u"error: Another Packwright is changing the game folder or the "
                               "installed files database. Please try again when it has "
                               "finished.\n"_s);
        EXPECT_EQ(refused.Out, QString());
    }
    EXPECT_EQ(State(), before);
    EXPECT_EQ(Cli({u"recover"_s, u"--game"_s, FFolder.Path(u"nowhere"_s)}).Exit, 1);
    EXPECT_EQ(Cli({u"recover"_s, u"--bogus"_s}).Exit, 2);
}
