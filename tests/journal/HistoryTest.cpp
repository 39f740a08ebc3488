#include "journal/History.h"

#include "common/PackwrightError.h"
#include "journal/OperationsFolder.h"
#include "journal/Recovery.h"
#include "journal/Undo.h"
#include "JournalFixtures.h"
#include "support/EnglishLanguage.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class HistoryTest : public TempFolderTest {
protected:
    QString Home() const { return FFolder.Path(u"home"_s); }
    QString At(const QString& name) const { return FFolder.Path(name); }
    QStringList Header(const QString& kind, const QString& comment) const {
        return {u"packwright-journal"_s, u"1"_s, kind, u"2026-12-07T17:30:00"_s, comment};
    }
    QStringList Ids() const {
        QStringList ids;
        for (const CommittedOperation& operation : CommittedOperations(Home()))
            ids.append(operation.Id);
        return ids;
    }

    EnglishLanguage FLanguage;
};

const QStringList Commit{u"commit"_s};
} // namespace

TEST_F(HistoryTest, ListsCommittedOperationsWithTheirFilesAndSubject) {
    WriteOperation(Home(), u"20261207-170000-000-1"_s,
                   JournalLines({InstallHeader(),
                                 {u"rewrite"_s, u"1"_s, At(u"home/files.iff"_s)},
                                 {u"folder"_s, u"2"_s, At(u"game/new"_s)},
                                 {u"create"_s, u"3"_s, At(u"game/new/c.iff"_s)},
                                 {u"replace"_s, u"4"_s, At(u"game/a.iff"_s)},
                                 {u"create"_s, u"5"_s, At(u"game/new/c.iff"_s)},
                                 Commit}));
    WriteOperation(Home(), u"20261207-170100-000-1"_s,
                   JournalLines({Header(u"delete"_s, {}),
                                 {u"rewrite"_s, u"1"_s, At(u"home/Files.IFF"_s)},
                                 {u"remove"_s, u"2"_s, At(u"game/b.iff"_s)},
                                 {u"rewrite"_s, u"3"_s, At(u"game/set.far"_s)},
                                 {u"rewrite"_s, u"4"_s, At(u"other/files.iff"_s)},
                                 Commit}));
    const QByteArray create = JournalLines({InstallHeader(), {u"create"_s, u"1"_s, At(u"x"_s)}});
    WriteOperation(Home(), u"20261207-170200-000-1"_s, create + "commit\nundo\n");
    WriteOperation(Home(), u"20261207-170300-000-1"_s, create);
    WriteOperation(Home(), u"20261207-170400-000-1"_s, "not a journal\ncommit\n");

    const QList<CommittedOperation> operations = CommittedOperations(Home());
    ASSERT_EQ(operations.size(), 2);
    EXPECT_EQ(operations[0].Id, u"20261207-170000-000-1"_s);
    EXPECT_EQ(operations[0].Header.Kind, OperationKind::Install);
    EXPECT_EQ(operations[0].Files, (QStringList{At(u"game/new/c.iff"_s), At(u"game/a.iff"_s)}));
    EXPECT_EQ(operations[0].Subject, u"new chairs"_s);
    EXPECT_EQ(operations[1].Id, u"20261207-170100-000-1"_s);
    EXPECT_EQ(operations[1].Header.Kind, OperationKind::Delete);
    EXPECT_EQ(operations[1].Files,
              (QStringList{At(u"game/b.iff"_s), At(u"game/set.far"_s), At(u"other/files.iff"_s)}));
    EXPECT_EQ(operations[1].Subject, At(u"game/b.iff"_s));
}

// Four committed operations keeping 100, 0, 300 and 50 bytes, after an uncommitted one
// keeping 1000 that no retention may drop.
TEST_F(HistoryTest, DropsTheOldestCommittedOperationsUntilCountAndKeptBytesFit) {
    struct Case {
        Retention Limits;
        int Removed;
        QStringList Left;
    };
    const Case cases[] = {
        {{.Count = 20, .KeptBytes = 450}, 0, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}},
        {{.Count = 3, .KeptBytes = 1000}, 1, {u"b"_s, u"c"_s, u"d"_s}},
        {{.Count = 20, .KeptBytes = 449}, 1, {u"b"_s, u"c"_s, u"d"_s}},
        {{.Count = 20, .KeptBytes = 349}, 3, {u"d"_s}},
        {{.Count = 0, .KeptBytes = 1000}, 4, {}},
    };
    const QByteArray committed = JournalLines({InstallHeader(), Commit});
    for (const Case& c : cases) {
        QDir(Home()).removeRecursively();
        ASSERT_TRUE(WriteFixtureFile(
            WriteOperation(Home(), u"0"_s, JournalLines({InstallHeader()})) + u"/keep/1"_s,
            QByteArray(1000, 'u')));
        const std::pair<QString, int> kept[] = {
            {u"a"_s, 100}, {u"b"_s, 0}, {u"c"_s, 300}, {u"d"_s, 50}};
        for (const auto& [id, bytes] : kept) {
            const QString folder = WriteOperation(Home(), id, committed);
            if (bytes > 0) {
                ASSERT_TRUE(WriteFixtureFile(folder + u"/keep/2"_s, QByteArray(bytes, 'k')));
            }
        }
        EXPECT_EQ(PruneCommittedOperations(Home() + u"/operations"_s, c.Limits), c.Removed);
        EXPECT_EQ(Ids(), c.Left);
        EXPECT_TRUE(QFileInfo::exists(Home() + u"/operations/0/keep/1"_s));
    }
}

// Journals written before the states of files were recorded, and files put where the
// operation left none, cannot be told unchanged.
TEST_F(HistoryTest, AFileWithoutARecordedStateCountsAsChangedAndForceGoesOn) {
    FFolder.Write(u"game/c.iff"_s, "c");
    WriteOperation(
        Home(), u"old"_s,
        JournalLines({InstallHeader(), {u"create"_s, u"1"_s, At(u"game/c.iff"_s)}, Commit}));
    try {
        UndoCommittedOperation(Home(), u"old"_s, false, FLanguage, 0);
        FAIL() << "undone without a recorded state";
    } catch (const EPackwrightError& error) {
        EXPECT_TRUE(error.Text().startsWith(u"\""_s + At(u"game/c.iff"_s) + u"\" has changed"_s))
            << error.Text().toStdString();
    }
    EXPECT_EQ(FFolder.Read(u"game/c.iff"_s), "c");

    const UndoReport report = UndoCommittedOperation(Home(), u"old"_s, true, FLanguage, 0);
    EXPECT_TRUE(report.Complete);
    EXPECT_FALSE(QFileInfo::exists(At(u"game/c.iff"_s)));
    EXPECT_EQ(Ids(), QStringList());
}

// A kill part-way through an undo leaves the journal marked: recovery finishes the undo.
TEST_F(HistoryTest, AnUndoCutShortIsFinishedByRecovery) {
    FFolder.Write(u"game/c.iff"_s, "c");
    FFolder.Write(u"game/a.iff"_s, "new a");
    const QString folder = WriteOperation(Home(), u"cut"_s,
                                          JournalLines({InstallHeader(),
                                                        {u"replace"_s, u"1"_s, At(u"game/a.iff"_s)},
                                                        {u"create"_s, u"2"_s, At(u"game/c.iff"_s)},
                                                        Commit,
                                                        {u"undo"_s}}));
    ASSERT_TRUE(WriteFixtureFile(folder + u"/keep/1"_s, "old a"));

    const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_TRUE(report.Consistent);
    EXPECT_EQ(report.Messages.size(), 1);
    EXPECT_EQ(Snapshot(At(u"game"_s)), QStringList{u"a.iff=old a"_s});
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// A file that cannot go back leaves the operation marked as undoing: it leaves the history,
// and recovery puts the file back once it can.
TEST_F(HistoryTest, AnUndoLeftIncompleteIsFinishedByRecovery) {
    FFolder.Write(u"game/a.iff/in the way"_s, "x");
    const QString folder = WriteOperation(
        Home(), u"stuck"_s,
        JournalLines({InstallHeader(), {u"replace"_s, u"1"_s, At(u"game/a.iff"_s)}, Commit}));
    ASSERT_TRUE(WriteFixtureFile(folder + u"/keep/1"_s, "old a"));

    const UndoReport report = UndoCommittedOperation(Home(), u"stuck"_s, true, FLanguage, 0);
    EXPECT_FALSE(report.Complete);
    EXPECT_TRUE(report.Message.contains(At(u"game/a.iff"_s))) << report.Message.toStdString();
    EXPECT_EQ(Ids(), QStringList());

    QDir(At(u"game/a.iff"_s)).removeRecursively();
    EXPECT_TRUE(RecoverOperations(Home(), FLanguage, 0).Consistent);
    EXPECT_EQ(FFolder.Read(u"game/a.iff"_s), "old a");
    EXPECT_FALSE(QFileInfo::exists(folder));
}
