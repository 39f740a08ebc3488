#include "JournalFixtures.h"
#include "support/FarFixtures.h"
#include "support/FileFixtures.h"
#include "support/ProgramRun.h"
#include "support/QtPrinters.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace Qt::StringLiterals;

namespace {
// Four committed operations on one game folder: an install of a chair and a lamp with a
// comment, an install that replaces the chair and adds a table, the table's deletion, and
// the packing of the chair and the lamp into an archive that held an older chair, whose
// backup the new one's replaces.
class HistoryCliTest : public TempFolderTest {
protected:
    HistoryCliTest() {
        FEnvironment.insert(u"PACKWRIGHT_HOME"_s, FFolder.Path(u"home"_s));
        FFolder.Write(u"home/QuarnFiles.iff"_s,
                      BuildStringChunksFile({{100, "GameData\\Objects\\shipped.iff"}}));
        QDir().mkpath(FFolder.Path(u"game/GameData/UserObjects"_s));
        FFolder.Write(u"first/chair.iff"_s, "old chair");
        FFolder.Write(u"first/lamp.iff"_s, "lamp");
        FFolder.Write(u"second/chair.iff"_s, "new chair");
        FFolder.Write(u"second/table.iff"_s, "table");
        FFolder.Write(u"game/GameData/UserObjects/objs.far"_s,
                      BuildFarArchive({{"chair.iff", "packed chair"}}));
        FFolder.Write(u"backup/chair.iff"_s, "packed chair");
        FBefore = State();
        Install({u"--comment"_s, u"first chairs"_s, FFolder.Path(u"first"_s)});
        FAfterFirst = State();
        Install({u"--on-conflict"_s, u"overwrite"_s, FFolder.Path(u"second"_s)});
        FAfterSecond = State();
        EXPECT_EQ(Cli({u"delete"_s, u"--game"_s, Game(), u"--yes"_s, Object(u"table.iff"_s)}).Exit,
                  0);
        FAfterDeletion = State();
        const ProgramRun packed =
            Cli({u"far"_s, u"pack"_s, u"--game"_s, Game(), u"--far"_s, Object(u"objs.far"_s),
                 u"--backup"_s, FFolder.Path(u"backup"_s), u"--on-conflict"_s, u"overwrite"_s,
                 u"--yes"_s});
        EXPECT_EQ(packed.Exit, 0) << packed.Err.toStdString();
        EXPECT_EQ(FFolder.Read(u"backup/chair.iff"_s), "new chair");
        FIds = Column(0);
    }

    QString Game() const { return FFolder.Path(u"game/"_s); }
    QString Object(const QString& name) const {
        return FFolder.Path(u"game/GameData/UserObjects/"_s + name);
    }
    ProgramRun Cli(const QStringList& args) const { return RunCli(args, {}, FEnvironment); }
    void Install(const QStringList& args) const {
        const ProgramRun run =
            Cli(QStringList{u"install"_s, u"--game"_s, Game(), u"--packs"_s, u"all"_s} + args);
        EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
    }
    ProgramRun Undo(const QString& id, const QStringList& options = {u"--yes"_s}) const {
        return Cli(QStringList{u"undo"_s, id, u"--game"_s, Game()} + options);
    }
    QStringList History() const {
        const ProgramRun run = Cli({u"history"_s});
        EXPECT_EQ(run.Exit, 0);
        EXPECT_EQ(run.Err, QString());
        return run.Out.split(u'\n', Qt::SkipEmptyParts);
    }
    QStringList Column(int field) const {
        QStringList values;
        for (const QString& line : History())
            values.append(line.split(u'\t').value(field));
        return values;
    }
    QStringList State() const { return Snapshot(FFolder.Path()); }

    QProcessEnvironment FEnvironment = QProcessEnvironment::systemEnvironment();
    QStringList FBefore;
    QStringList FAfterFirst;
    QStringList FAfterSecond;
    QStringList FAfterDeletion;
    QStringList FIds;
};
} // namespace

TEST_F(HistoryCliTest, ListsEachCommittedOperationOldestFirst) {
    const QStringList lines = History();
    ASSERT_EQ(lines.size(), 4);
    const QRegularExpression id(u"^\\d{8}-\\d{6}-\\d{3}-\\d+$"_s);
    const QRegularExpression time(u"^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d$"_s);
    const QStringList expected[] = {
        {u"install"_s, u"2"_s, u"first chairs"_s},
        {u"install"_s, u"2"_s, Object(u"chair.iff"_s)},
        {u"delete"_s, u"1"_s, Object(u"table.iff"_s)},
        // The archive, the two files and their backups.
        {u"far-pack"_s, u"5"_s, Object(u"objs.far"_s)},
    };
    for (int i = 0; i < 4; ++i) {
        const QStringList fields = lines[i].split(u'\t');
        ASSERT_EQ(fields.size(), 5) << lines[i].toStdString();
        EXPECT_TRUE(id.match(fields[0]).hasMatch()) << fields[0].toStdString();
        EXPECT_TRUE(time.match(fields[1]).hasMatch()) << fields[1].toStdString();
        EXPECT_EQ(fields.mid(2), expected[i]);
    }
    EXPECT_TRUE(std::ranges::adjacent_find(FIds, std::ranges::greater_equal{}) == FIds.end())
        << FIds.join(u' ').toStdString();
}

TEST_F(HistoryCliTest, UndoTakesOperationsBackNewestFirstByteForByte) {
    const ProgramRun blocked = Undo(FIds[0]);
    EXPECT_EQ(blocked.Exit, 1);
    EXPECT_TRUE(blocked.Err.contains(u" "_s + FIds[3] + u" ("_s)) << blocked.Err.toStdString();
    EXPECT_TRUE(blocked.Err.contains(u"Please undo it first."_s)) << blocked.Err.toStdString();

    const QStringList expected[] = {FAfterDeletion, FAfterSecond, FAfterFirst, FBefore};
    for (int i = 3; i >= 0; --i) {
        const ProgramRun run = Undo(FIds[i]);
        EXPECT_EQ(run.Exit, 0) << run.Err.toStdString();
        EXPECT_TRUE(run.Err.startsWith(u"info: The "_s) &&
                    run.Err.endsWith(u") has been undone: the game folder and the installed "
                                     "files database are as they were before it.\n"_s))
            << run.Err.toStdString();
        EXPECT_EQ(State(), expected[3 - i]) << "undoing " << i;
        EXPECT_EQ(Column(0), FIds.mid(0, i));
    }
    EXPECT_EQ(Undo(FIds[0]).Err, u"packwright-cli: There is no completed change \""_s + FIds[0] +
                                     u"\" to undo. Nothing has been changed.\n"_s);
}

// Each change is refused, naming the file, with nothing touched; the files are then put
// back as the install left them, times and all, for the next.
TEST_F(HistoryCliTest, UndoRefusesAFileChangedSinceNamingItUnlessForced) {
    ASSERT_EQ(Undo(FIds[3]).Exit, 0);
    ASSERT_EQ(Undo(FIds[2]).Exit, 0);
    const QString chair = Object(u"chair.iff"_s);
    const QString table = Object(u"table.iff"_s);
    const QDateTime chairTime = QFileInfo(chair).lastModified();
    const QDateTime tableTime = QFileInfo(table).lastModified();
    struct Case {
        std::function<void()> Change;
        QString Named;
    };
    const Case cases[] = {
        {[&] {
             FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "new CHAIR");
             SetFileModified(chair, chairTime);
         },
         chair},
        {[&] { FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "new chair!"); }, chair},
        {[&] { SetFileModified(chair, chairTime.addSecs(60)); }, chair},
        {[&] { QFile::remove(chair); }, chair},
        {[&] { QFile::remove(table); }, table},
    };
    for (const Case& c : cases) {
        c.Change();
        const QStringList changed = State();
        const ProgramRun refused = Undo(FIds[1]);
        EXPECT_EQ(refused.Exit, 1);
        EXPECT_TRUE(refused.Err.startsWith(u"packwright-cli: \""_s + c.Named +
                                           u"\" has changed since the installation ("_s) &&
                    refused.Err.endsWith(u"). Nothing has been changed.\n"_s))
            << refused.Err.toStdString();
        EXPECT_EQ(State(), changed);
        FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "new chair");
        FFolder.Write(u"game/GameData/UserObjects/table.iff"_s, "table");
        ASSERT_TRUE(SetFileModified(chair, chairTime) && SetFileModified(table, tableTime));
    }
    FFolder.Write(u"game/GameData/UserObjects/chair.iff"_s, "edited");
    const ProgramRun forced = Undo(FIds[1], {u"--yes"_s, u"--force"_s});
    EXPECT_EQ(forced.Exit, 0) << forced.Err.toStdString();
    EXPECT_EQ(State(), FAfterFirst);
}

TEST_F(HistoryCliTest, NothingChangesWithoutConfirmationAndPurgeForgetsEverything) {
    const QStringList before = State();
    const QStringList refusals[] = {
        {u"undo"_s, FIds[3]},
        {u"undo"_s, FIds[3], u"--game"_s, FFolder.Path(u"nowhere"_s), u"--yes"_s},
        {u"history"_s, u"--purge"_s},
    };
    for (const QStringList& args : refusals) {
        EXPECT_EQ(Cli(args).Exit, 1) << args.join(u' ').toStdString();
        EXPECT_EQ(State(), before);
        EXPECT_EQ(Column(0), FIds);
    }
    const QStringList misuses[] = {
        {u"undo"_s},
        {u"undo"_s, FIds[1], FIds[2], u"--yes"_s},
        {u"undo"_s, FIds[2], u"--purge"_s},
        {u"history"_s, u"--force"_s},
        {u"history"_s, u"extra"_s},
    };
    for (const QStringList& args : misuses)
        EXPECT_EQ(Cli(args).Exit, 2) << args.join(u' ').toStdString();

    const ProgramRun purged = Cli({u"history"_s, u"--purge"_s, u"--yes"_s});
    EXPECT_EQ(purged.Exit, 0) << purged.Err.toStdString();
    EXPECT_EQ(History(), QStringList());
    EXPECT_EQ(QDir(FFolder.Path(u"home/operations"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList());
    EXPECT_EQ(State(), before);
}
