#include "journal/Recovery.h"

#include "journal/OperationsFolder.h"
#include "JournalFixtures.h"
#include "support/EnglishLanguage.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// A game folder and files.iff as they were, and as an install left them part-way: a folder
// made, a file created in it, one replaced, one removed, the database rewritten and one file
// moved into the new folder, with the old bytes of each in the keep folder.
class RecoveryTest : public TempFolderTest {
protected:
    RecoveryTest() {
        FFolder.Write(u"game/a.iff"_s, "old a");
        FFolder.Write(u"game/b.iff"_s, "old b");
        FFolder.Write(u"home/files.iff"_s, "old db");
        FFolder.Write(u"game/untouched.iff"_s, "untouched");
        FBefore = Snapshot(FFolder.Path());
        FSteps = {InstallHeader(),
                  {u"folder"_s, u"1"_s, Game(u"new"_s)},
                  {u"create"_s, u"2"_s, Game(u"new/c.iff"_s)},
                  {u"replace"_s, u"3"_s, Game(u"a.iff"_s)},
                  {u"remove"_s, u"4"_s, Game(u"b.iff"_s)},
                  {u"rewrite"_s, u"5"_s, FFolder.Path(u"home/files.iff"_s)},
                  {u"move"_s, u"6"_s, Game(u"untouched.iff"_s), Game(u"new/moved.iff"_s)}};
    }

    QString Game(const QString& name) const { return FFolder.Path(u"game/"_s + name); }
    QString Home() const { return FFolder.Path(u"home"_s); }

    // Carries out the first count steps as the operation would have, after their lines.
    void DoSteps(const QString& operation, int count) {
        const QString keep = operation + u"/keep/"_s;
        const std::function<void()> steps[] = {
            [&] { ASSERT_TRUE(QDir().mkdir(Game(u"new"_s))); },
            [&] { FFolder.Write(u"game/new/c.iff"_s, "c"); },
            [&] {
                ASSERT_TRUE(QFile::rename(Game(u"a.iff"_s), keep + u"3"_s));
                FFolder.Write(u"game/a.iff"_s, "new a");
            },
            [&] { ASSERT_TRUE(QFile::rename(Game(u"b.iff"_s), keep + u"4"_s)); },
            [&] {
                ASSERT_TRUE(QFile::copy(FFolder.Path(u"home/files.iff"_s), keep + u"5"_s));
                FFolder.Write(u"home/files.iff"_s, "new db");
            },
            [&] { ASSERT_TRUE(QFile::rename(Game(u"untouched.iff"_s), Game(u"new/moved.iff"_s))); },
        };
        for (int i = 0; i < count; ++i)
            steps[i]();
    }

    QString Done() const {
        return u"An interrupted installation ("_s +
               QLocale().toString(QDateTime(QDate(2026, 12, 7), QTime(17, 30)),
                                  QLocale::ShortFormat) +
               u") has been undone: the game folder and the installed files database are as "
               "they were before it."_s;
    }

    EnglishLanguage FLanguage;
    QStringList FBefore;
    QList<QStringList> FSteps;
};
} // namespace

TEST_F(RecoveryTest, UndoesEveryKindOfStepByteForByteWhereverTheKillCame) {
    // A kill after any step's line, before or after the step itself.
    for (int lines = 1; lines <= FSteps.size(); ++lines) {
        for (int done = std::max(0, lines - 2); done < lines; ++done) {
            const QString operation = WriteOperation(Home(), u"20261207-173000-000-1"_s,
                                                     JournalLines(FSteps.mid(0, lines)));
            DoSteps(operation, done);

            const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
            EXPECT_EQ(Snapshot(FFolder.Path()), FBefore) << lines << " lines, " << done;
            EXPECT_EQ(report.Messages, QStringList{Done()});
            EXPECT_TRUE(report.Consistent);
            EXPECT_FALSE(QFileInfo::exists(operation));
        }
    }
}

TEST_F(RecoveryTest, AJournalCutAnywhereInItsLastLineRecoversWithoutHarm) {
    // Cut short, the last line names a file that was there before.
    const QByteArray whole = JournalLines(
        FSteps + QList<QStringList>{{u"create"_s, u"7"_s, Game(u"untouched.iff.new"_s)}});
    const qsizetype lastLine = whole.lastIndexOf('\n', whole.size() - 2) + 1;
    for (qsizetype cut = lastLine; cut < whole.size(); ++cut) {
        const QString operation =
            WriteOperation(Home(), u"20261207-173000-000-1"_s, whole.left(cut));
        DoSteps(operation, 6);

        const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
        EXPECT_EQ(Snapshot(FFolder.Path()), FBefore) << "cut at " << cut;
        EXPECT_TRUE(report.Consistent);
    }
}

TEST_F(RecoveryTest, RecoveryCutShortIsFinishedByTheNextAndASecondRunDoesNothing) {
    const QString operation =
        WriteOperation(Home(), u"20261207-173000-000-1"_s, JournalLines(FSteps));
    DoSteps(operation, 5);
    // The first recovery died after putting back the database and b.iff.
    ASSERT_TRUE(QFile::remove(FFolder.Path(u"home/files.iff"_s)));
    ASSERT_TRUE(QFile::rename(operation + u"/keep/5"_s, FFolder.Path(u"home/files.iff"_s)));
    ASSERT_TRUE(QFile::rename(operation + u"/keep/4"_s, Game(u"b.iff"_s)));

    EXPECT_EQ(RecoverOperations(Home(), FLanguage, 0).Messages, QStringList{Done()});
    EXPECT_EQ(Snapshot(FFolder.Path()), FBefore);
    const RecoveryReport again = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_TRUE(again.Messages.isEmpty());
    EXPECT_TRUE(again.Consistent);
    EXPECT_EQ(Snapshot(FFolder.Path()), FBefore);
}

TEST_F(RecoveryTest, CommittedOperationsStayAndOperationsThatNeverBeganGoQuietly) {
    FSteps.append({u"commit"_s});
    const QString committed =
        WriteOperation(Home(), u"20261207-170000-000-1"_s, JournalLines(FSteps));
    DoSteps(committed, 5);
    const QStringList after = Snapshot(FFolder.Path());
    const QString empty = WriteOperation(Home(), u"20261207-173000-000-1"_s, "packwright-jour");
    FFolder.Write(u"home/operations/20261207-173000-000-1/keep/1.part"_s, "partial copy");

    const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_TRUE(report.Messages.isEmpty());
    EXPECT_TRUE(report.Consistent);
    EXPECT_EQ(Snapshot(FFolder.Path()), after);
    EXPECT_TRUE(QFileInfo::exists(committed + u"/keep/3"_s));
    EXPECT_FALSE(QFileInfo::exists(empty));
}

TEST_F(RecoveryTest, KeptFilesUnderAnUnreadableJournalAreLeftAloneAndNamed) {
    const QString operation =
        WriteOperation(Home(), u"20261207-173000-000-1"_s,
                       "garbage\ncreate\t1\t" + Game(u"a.iff"_s).toUtf8() + "\n");
    FFolder.Write(u"home/operations/20261207-173000-000-1/keep/1"_s, "someone's only copy");

    const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_EQ(report.Messages,
              QStringList{
                  u"An interrupted change whose record cannot be read has been left in \""_s +
                  QDir::toNativeSeparators(operation) + u"\" together with the files it kept."_s});
    EXPECT_FALSE(report.Consistent);
    EXPECT_EQ(Snapshot(FFolder.Path()), FBefore);
    EXPECT_EQ(FFolder.Read(u"home/operations/20261207-173000-000-1/keep/1"_s),
              "someone's only copy");
}

TEST_F(RecoveryTest, AFileThatCannotGoBackIsNamedAndItsKeptCopyStaysForTheNextTry) {
    const QString operation =
        WriteOperation(Home(), u"20261207-173000-000-1"_s, JournalLines(FSteps.mid(0, 5)));
    DoSteps(operation, 4);
    // A folder now stands where b.iff was.
    ASSERT_TRUE(QDir().mkpath(Game(u"b.iff/inside"_s)));

    const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_FALSE(report.Consistent);
    ASSERT_EQ(report.Messages.size(), 1);
    EXPECT_TRUE(report.Messages[0].contains(QDir::toNativeSeparators(Game(u"b.iff"_s))))
        << report.Messages[0].toStdString();
    EXPECT_EQ(FFolder.Read(u"home/operations/20261207-173000-000-1/keep/4"_s), "old b");
    EXPECT_EQ(FFolder.Read(u"game/a.iff"_s), "old a");

    ASSERT_TRUE(QDir(Game(u"b.iff"_s)).removeRecursively());
    EXPECT_TRUE(RecoverOperations(Home(), FLanguage, 0).Consistent);
    EXPECT_EQ(Snapshot(FFolder.Path()), FBefore);
}

TEST_F(RecoveryTest, ASecondHolderOfTheDataFolderIsRefused) {
    OperationsLock held;
    ASSERT_EQ(held.Acquire(OperationsFolderOf(Home()), 0), LockOutcome::Held);
    const QString operation =
        WriteOperation(Home(), u"20261207-173000-000-1"_s, JournalLines(FSteps.mid(0, 3)));
    DoSteps(operation, 2);

    const RecoveryReport report = RecoverOperations(Home(), FLanguage, 0);
    EXPECT_FALSE(report.Consistent);
    EXPECT_EQ(report.Messages,
              QStringList{u"Another Packwright is changing the game folder or the installed files "
                          "database. Please try again when it has finished."_s});
    EXPECT_EQ(FFolder.Read(u"game/new/c.iff"_s), "c");
}
