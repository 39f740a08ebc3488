#include "FolderState.h"
#include "formats/IffChunks.h"
#include "formats/IffStringList.h"
#include "journal/JournalFormat.h"
#include "support/ProgramRun.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <random>
#include <thread>

using namespace Qt::StringLiterals;

namespace {
constexpr int Kills = 20;

// A kind's chunk of install times has the kind's value as id, below 200; its chunk of
// comments has the value + 100.
constexpr int FirstCommentsChunkId = 200;

// files.iff as a listing of its chunks and their string lists with the install times left
// out: a run at another moment stamps its records with another time.
QByteArray RecordsWithoutTimes(const QString& filesDb) {
    QByteArray listing;
    if (!QFile::exists(filesDb))
        return listing;
    for (const IffChunkInfo& chunk : ListAllIffChunks(filesDb)) {
        listing +=
            (chunk.Type + u' ' + QString::number(chunk.Id) + u' ' + chunk.Label + u'\n').toUtf8();
        if (chunk.Type != u"STR#")
            continue;
        const bool times = chunk.Id < FirstCommentsChunkId;
        for (const IffStringEntry& entry : ParseStringList(chunk))
            listing +=
                (entry.Value + u'\t' + (times ? u"(time)"_s : entry.Comment) + u'\n').toUtf8();
    }
    return listing;
}

// What a killed command must leave, once recovered, as it found it or as a whole run does.
struct GameState {
    FolderState Files;
    QByteArray RecordsWithoutTimes;
};

enum class Landing { BeforeFirstStep, DuringSteps, AfterCommit };

// Where a kill landed, as the journal it left tells.
struct KillLanding {
    Landing Where = Landing::BeforeFirstStep;
    // The steps the journal held.
    qsizetype Steps = 0;
};

KillLanding LandingOf(const QList<JournalContents>& begun) {
    if (begun.isEmpty())
        return {};
    const JournalContents& journal = begun.first();
    if (journal.Committed)
        return {Landing::AfterCommit, journal.Steps.size()};
    if (journal.Steps.isEmpty())
        return {};
    return {Landing::DuringSteps, journal.Steps.size()};
}

// Where the kills landed, for the test's output.
class LandingTally {
public:
    void Add(const KillLanding& landing) {
        if (landing.Where == Landing::BeforeFirstStep)
            ++FBeforeFirstStep;
        else if (landing.Where == Landing::DuringSteps)
            FDuringSteps.append(landing.Steps);
        else
            ++FAfterCommit;
    }
    QString Text() {
        std::ranges::sort(FDuringSteps);
        QStringList steps;
        for (const qsizetype count : FDuringSteps)
            steps.append(QString::number(count));
        return u"%1 before the first step, %2 during the steps (after steps %3), %4 after the "
               u"commit"_s.arg(QString::number(FBeforeFirstStep),
                               QString::number(FDuringSteps.size()), steps.join(u", "_s),
                               QString::number(FAfterCommit));
    }

private:
    int FBeforeFirstStep = 0;
    QList<qsizetype> FDuringSteps;
    int FAfterCommit = 0;
};

// The file's bytes, or a word saying there is none.
QByteArray BytesOf(const FolderState& state, const QString& name) {
    const auto file = state.find(name);
    return file == state.end() ? "(none)"_ba : file->second;
}

// A kill loses nothing the page cache holds, so syncing to a disk buys this test nothing but
// time: a folder in memory, where there is one, keeps it quick.
QString MemoryFolderOrTemp() {
    const QFileInfo memory(u"/dev/shm"_s);
    return memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
}

// A fresh seed unless PACKWRIGHT_KILL_SEED names one, so a failure can be replayed.
int KillSeed() {
    bool given = false;
    const int seed = qEnvironmentVariableIntValue("PACKWRIGHT_KILL_SEED", &given);
    return given ? seed : int(std::random_device{}() & 0x7FFFFFFF);
}

// A game folder and a program folder below work/, which journals and records name by
// absolute path; downloads lie beside work/. Each kill starts again from the state before.
class RandomKillTest : public ::testing::Test {
protected:
    RandomKillTest() {
        FEnvironment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"work/home"_s));
        EXPECT_TRUE(QDir().mkpath(FFolder.Path(u"work/home"_s)));
        EXPECT_TRUE(QDir().mkpath(Game(u"GameData/UserObjects"_s)));
    }

    QString Game(const QString& relative = {}) const {
        return FFolder.Path(u"work/game/"_s + relative);
    }

    // Objects numbered from 0 and skins from 0, their bytes naming the version.
    void WriteDownloads(const QString& folder, int objects, int skins,
                        const QByteArray& version) const {
        for (int n = 0; n < objects; ++n)
            FFolder.Write(folder + u"/obj%1.iff"_s.arg(n, 3, 10, QLatin1Char('0')),
                          version + " object " + QByteArray::number(n));
        for (int n = 0; n < skins; ++n)
            FFolder.Write(folder + u"/b%1body.cmx"_s.arg(n, 3, 10, QLatin1Char('0')),
                          version + " skin " + QByteArray::number(n));
    }

    ProgramRun Cli(const QStringList& args) const { return RunCli(args, {}, FEnvironment); }
    // Every object file of the game into objs.far, overwriting entries and backups.
    QStringList PackAll() const {
        return {u"far"_s,           u"pack"_s,
                u"--game"_s,        Game(),
                u"--far"_s,         Game(u"GameData/UserObjects/objs.far"_s),
                u"--backup"_s,      FFolder.Path(u"work/backup"_s),
                u"--on-conflict"_s, u"overwrite"_s,
                u"--yes"_s};
    }
    QStringList InstallOf(const QString& downloads) const {
        return {u"install"_s, u"--game"_s,        Game(),         u"--packs"_s,
                u"all"_s,     u"--on-conflict"_s, u"overwrite"_s, FFolder.Path(downloads)};
    }

    GameState CurrentState() const {
        return {StateOf(FFolder.Path(u"work"_s)),
                RecordsWithoutTimes(FFolder.Path(u"work/home/files.iff"_s))};
    }

    // The journal of every operation in the operations folder.
    QList<JournalContents> Journals() const {
        QList<JournalContents> journals;
        const QString operations = u"work/home/operations/"_s;
        for (const QString& id :
             QDir(FFolder.Path(operations)).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            journals.append(ParseJournal(FFolder.Read(operations + id + u"/journal.txt"_s)));
        return journals;
    }

    // Waits, a millisecond at a time, until the journal reads committed or, when committed is
    // false, until the operation has begun; or until the command has ended.
    void AwaitJournal(QProcess& process, bool committed) const {
        const auto reached = [&] {
            const QList<JournalContents> journals = Journals();
            return !journals.isEmpty() && (!committed || journals.first().Committed);
        };
        while (!reached() && process.state() != QProcess::NotRunning)
            process.waitForFinished(1);
    }

    // Runs the command once from the state before, keeping the state it leaves, how long its
    // operation took from its beginning to its commit and how many steps its journal holds.
    void RunWhole(const QStringList& command) {
        FBefore = CurrentState();
        Restore(FFolder.Path(u"work"_s), FBefore.Files);
        QProcess process;
        process.setProcessEnvironment(FEnvironment);
        process.start(CliProgram(), command);
        AwaitJournal(process, false);
        QElapsedTimer operation;
        operation.start();
        AwaitJournal(process, true);
        FOperationUsecs = operation.nsecsElapsed() / 1000;
        process.waitForFinished(-1);
        ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
        FAfter = CurrentState();
        const KillLanding landing = LandingOf(Journals());
        ASSERT_EQ(landing.Where, Landing::AfterCommit);
        FSteps = landing.Steps;
    }

    // Started from the state before and killed the delay after its operation began; kills
    // timed from the program's start would mostly land while it starts and reads the game
    // folder, which take longer than the operation and vary more.
    KillLanding KillAfter(const QStringList& command, std::chrono::microseconds delay) {
        Restore(FFolder.Path(u"work"_s), FBefore.Files);
        QProcess process;
        process.setProcessEnvironment(FEnvironment);
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
        process.start(CliProgram(), command);
        AwaitJournal(process, false);
        std::this_thread::sleep_for(delay);
        process.kill();
        process.waitForFinished(-1);
        return LandingOf(Journals());
    }

    // An install stamps its records with the time it ran, so a second whole run writes other
    // bytes into files.iff than the first: only the records without the times compare.
    bool SameAsAfter(const GameState& state) const {
        if (!FRecordsStampedWhenRun)
            return state.Files == FAfter.Files;
        FolderState files = state.Files;
        FolderState after = FAfter.Files;
        files.erase(u"home/files.iff"_s);
        after.erase(u"home/files.iff"_s);
        return files == after && state.RecordsWithoutTimes == FAfter.RecordsWithoutTimes;
    }

    // Kills the command at random moments within the time a whole run's operation took,
    // recovers and checks the state: as before when the kill landed before the commit, as
    // after when it landed later.
    void KillAtRandomMoments(const QStringList& command) {
        const int seed = KillSeed();
        std::mt19937 random(seed);
        std::uniform_int_distribution<qint64> moment(0, FOperationUsecs);
        LandingTally tally;
        for (int kill = 0; kill < Kills; ++kill) {
            const std::chrono::microseconds delay(moment(random));
            const KillLanding landing = KillAfter(command, delay);
            tally.Add(landing);
            const ProgramRun recover = Cli({u"recover"_s});
            EXPECT_EQ(recover.Exit, 0) << recover.Err.toStdString();

            const GameState state = CurrentState();
            const bool committed = landing.Where == Landing::AfterCommit;
            EXPECT_TRUE(committed ? SameAsAfter(state) : state.Files == FBefore.Files)
                << "killed " << delay.count() << " µs into the operation with " << landing.Steps
                << " of " << FSteps << " steps journaled, committed: " << committed
                << "; differing: "
                << DifferingPaths(state.Files, committed ? FAfter.Files : FBefore.Files)
                       .join(u' ')
                       .toStdString()
                << "\nseed " << seed;
            for (const JournalContents& journal : Journals())
                EXPECT_TRUE(journal.Committed) << "left to undo after recovery; seed " << seed;
        }
        const QString summary =
            u"seed %1; a whole run's operation of %2 steps took %3 µs; killed %4 times: %5"_s.arg(
                QString::number(seed), QString::number(FSteps), QString::number(FOperationUsecs),
                QString::number(Kills), tally.Text());
        std::cout << summary.toStdString() << '\n';
        RecordProperty("kills", summary.toStdString());
    }

    TempFolder FFolder{MemoryFolderOrTemp()};
    QProcessEnvironment FEnvironment = QProcessEnvironment::systemEnvironment();
    GameState FBefore;
    GameState FAfter;
    qint64 FOperationUsecs = 0;
    qsizetype FSteps = 0;
    bool FRecordsStampedWhenRun = false;
};
} // namespace

// 50 objects of an earlier install replaced, 210 objects and 40 skins new.
TEST_F(RandomKillTest, AnInstallKilledAtRandomMomentsIsRecoveredToTheStateBeforeOrAfterIt) {
    WriteDownloads(u"first"_s, 50, 0, "old");
    ASSERT_EQ(Cli(InstallOf(u"first"_s)).Exit, 0);
    WriteDownloads(u"second"_s, 260, 40, "new");
    FRecordsStampedWhenRun = true;

    ASSERT_NO_FATAL_FAILURE(RunWhole(InstallOf(u"second"_s)));
    // files.iff kept, the skins' folder made, one step per download.
    EXPECT_EQ(FSteps, 302);
    const QString replaced = u"game/GameData/UserObjects/obj049.iff"_s;
    EXPECT_EQ(BytesOf(FBefore.Files, replaced), "old object 49");
    EXPECT_EQ(BytesOf(FAfter.Files, replaced), "new object 49");
    EXPECT_EQ(BytesOf(FBefore.Files, u"game/GameData/Skins/"_s), "(none)");
    EXPECT_EQ(BytesOf(FAfter.Files, u"game/GameData/Skins/b039body.cmx"_s), "new skin 39");
    EXPECT_FALSE(FBefore.RecordsWithoutTimes.contains("obj259.iff\t(time)\n"));
    EXPECT_TRUE(FAfter.RecordsWithoutTimes.contains("obj259.iff\t(time)\n"));

    KillAtRandomMoments(InstallOf(u"second"_s));
}

// 85 of 100 objects and 15 of 20 skins an earlier install recorded.
TEST_F(RandomKillTest, ADeletionKilledAtRandomMomentsIsRecoveredToTheStateBeforeOrAfterIt) {
    WriteDownloads(u"first"_s, 100, 20, "installed");
    ASSERT_EQ(Cli(InstallOf(u"first"_s)).Exit, 0);
    QStringList deletion{u"delete"_s, u"--yes"_s, u"--game"_s, Game()};
    for (int n = 0; n < 85; ++n)
        deletion.append(Game(u"GameData/UserObjects/obj%1.iff"_s.arg(n, 3, 10, QLatin1Char('0'))));
    for (int n = 0; n < 15; ++n)
        deletion.append(Game(u"GameData/Skins/b%1body.cmx"_s.arg(n, 3, 10, QLatin1Char('0'))));

    ASSERT_NO_FATAL_FAILURE(RunWhole(deletion));
    // files.iff kept, then one step per file.
    EXPECT_EQ(FSteps, 101);
    const QString deleted = u"game/GameData/UserObjects/obj084.iff"_s;
    EXPECT_EQ(BytesOf(FBefore.Files, deleted), "installed object 84");
    EXPECT_EQ(BytesOf(FAfter.Files, deleted), "(none)");
    EXPECT_EQ(BytesOf(FAfter.Files, u"game/GameData/UserObjects/obj085.iff"_s),
              "installed object 85");
    EXPECT_EQ(BytesOf(FAfter.Files, u"game/GameData/Skins/b014body.cmx"_s), "(none)");
    EXPECT_EQ(BytesOf(FAfter.Files, u"game/GameData/Skins/b015body.cmx"_s), "installed skin 15");

    KillAtRandomMoments(deletion);
}

// 20 of 100 objects clash with the entries and the backups of an earlier packing.
TEST_F(RandomKillTest, AFarPackKilledAtRandomMomentsIsRecoveredToTheStateBeforeOrAfterIt) {
    WriteDownloads(u"first"_s, 20, 0, "old");
    ASSERT_EQ(Cli(InstallOf(u"first"_s)).Exit, 0);
    ASSERT_EQ(Cli(PackAll()).Exit, 0);
    WriteDownloads(u"second"_s, 100, 0, "new");
    ASSERT_EQ(Cli(InstallOf(u"second"_s)).Exit, 0);
    FRecordsStampedWhenRun = true;

    ASSERT_NO_FATAL_FAILURE(RunWhole(PackAll()));
    // files.iff and the archive kept, each old backup kept before its file moves in, and
    // the other 80 files moved.
    EXPECT_EQ(FSteps, 122);
    const QString archive = u"game/GameData/UserObjects/objs.far"_s;
    EXPECT_TRUE(BytesOf(FBefore.Files, archive).contains("old object 19"));
    EXPECT_TRUE(BytesOf(FAfter.Files, archive).contains("new object 19"));
    EXPECT_EQ(BytesOf(FBefore.Files, u"backup/obj019.iff"_s), "old object 19");
    EXPECT_EQ(BytesOf(FAfter.Files, u"backup/obj099.iff"_s), "new object 99");

    KillAtRandomMoments(PackAll());
}
