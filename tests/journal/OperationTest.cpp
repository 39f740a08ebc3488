#include "journal/Operation.h"

#include "common/PackwrightError.h"
#include "journal/Recovery.h"
#include "JournalFixtures.h"
#include "support/EnglishLanguage.h"
#include "support/FileFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
class OperationTest : public TempFolderTest {
protected:
    OperationTest() {
        qputenv("PACKWRIGHT_SETTINGS", QFile::encodeName(FFolder.Path(u"settings.ini"_s)));
        FFolder.Write(u"game/a.iff"_s, "old a");
        FFolder.Write(u"game/b.iff"_s, "old b");
        FFolder.Write(u"home/files.iff"_s, "old db");
    }
    ~OperationTest() override { qunsetenv("PACKWRIGHT_SETTINGS"); }

    QString Game(const QString& name) const { return FFolder.Path(u"game/"_s + name); }
    QString Home() const { return FFolder.Path(u"home"_s); }
    OperationStart Start() const {
        return {.DataFolder = Home(),
                .Kind = OperationKind::Install,
                .Comment = u"chairs"_s,
                .FilesItMayMove = {},
                .FilesItMayRewrite = {},
                .LockWaitMs = 0};
    }

    // Every change kind once, each made only after its call succeeded.
    void ChangeEverything(Operation& operation) {
        ASSERT_TRUE(operation.MakeFolders(Game(u"new/deeper"_s)));
        ASSERT_TRUE(operation.Create(Game(u"new/deeper/c.iff"_s)));
        FFolder.Write(u"game/new/deeper/c.iff"_s, "c");
        ASSERT_TRUE(operation.Replace(Game(u"a.iff"_s)));
        EXPECT_FALSE(QFileInfo::exists(Game(u"a.iff"_s)));
        FFolder.Write(u"game/a.iff"_s, "new a");
        ASSERT_TRUE(operation.Remove(Game(u"b.iff"_s)));
        ASSERT_TRUE(operation.Rewrite(FFolder.Path(u"home/files.iff"_s)));
        FFolder.Write(u"home/files.iff"_s, "new db");
        // Onto a file: that one is kept first.
        ASSERT_TRUE(operation.Move(Game(u"a.iff"_s), Game(u"new/deeper/c.iff"_s)));
    }

    // The line recording what the step left at the file: its size, time and hash.
    QByteArray Wrote(int step, const QString& name, const QByteArray& sha256) const {
        const QFileInfo file(FFolder.Path(name));
        return "wrote\t" + QByteArray::number(step) + '\t' + QByteArray::number(file.size()) +
               '\t' + QByteArray::number(file.lastModified().toMSecsSinceEpoch()) + '\t' + sha256;
    }

    static QByteArray JournalBytes(const Operation& operation) {
        return ReadFixtureFile(operation.Folder() + u"/journal.txt"_s);
    }
    // Why the operation would not begin; the test fails when it began.
    QString RefusalText(const OperationStart& start) {
        try {
            Operation operation(start, FLanguage);
            ADD_FAILURE() << "began";
        } catch (const EPackwrightError& error) {
            return error.Text();
        }
        return {};
    }

    QStringList OperationFolders() const {
        return QDir(Home() + u"/operations"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    }

    EnglishLanguage FLanguage;
};
} // namespace

TEST_F(OperationTest, JournalsEachStepBeforeItAndKeepsTheBytesItWouldDestroy) {
    // SHA-256 of "new a".
    const QByteArray NewA = "fbb6b30b41732026a9073fd355103e207f6b3c7c1adc086724df42e286417adf";
    {
        Operation operation(Start(), FLanguage);
        ChangeEverything(operation);
        ASSERT_TRUE(operation.Commit());
        QList<QByteArray> lines = JournalBytes(operation).split('\n');
        EXPECT_TRUE(lines.takeFirst().startsWith("packwright-journal\t1\tinstall\t"));
        EXPECT_EQ(lines,
                  (QList<QByteArray>{"folder\t1\t" + Game(u"new"_s).toUtf8(),
                                     "folder\t2\t" + Game(u"new/deeper"_s).toUtf8(),
                                     "create\t3\t" + Game(u"new/deeper/c.iff"_s).toUtf8(),
                                     "replace\t4\t" + Game(u"a.iff"_s).toUtf8(),
                                     "remove\t5\t" + Game(u"b.iff"_s).toUtf8(),
                                     "rewrite\t6\t" + FFolder.Path(u"home/files.iff"_s).toUtf8(),
                                     "replace\t7\t" + Game(u"new/deeper/c.iff"_s).toUtf8(),
                                     "move\t8\t" + Game(u"a.iff"_s).toUtf8() + '\t' +
                                         Game(u"new/deeper/c.iff"_s).toUtf8(),
                                     Wrote(3, u"game/new/deeper/c.iff"_s, NewA),
                                     Wrote(6, u"home/files.iff"_s,
                                           "3fb46f8ae9e5382fa8eb8bcf4da195f542d5"
                                           "9303d342941cfa8b4718e5c143f8"),
                                     Wrote(7, u"game/new/deeper/c.iff"_s, NewA),
                                     Wrote(8, u"game/new/deeper/c.iff"_s, NewA), "commit", ""}));
        EXPECT_EQ(Snapshot(operation.Folder() + u"/keep"_s),
                  (QStringList{u"4=old a"_s, u"5=old b"_s, u"6=old db"_s, u"7=c"_s}));
    }
    // A committed operation stays as it is.
    EXPECT_EQ(
        Snapshot(FFolder.Path()),
        (QStringList{u"game/"_s, u"game/new/"_s, u"game/new/deeper/"_s,
                     u"game/new/deeper/c.iff=new a"_s, u"home/"_s, u"home/files.iff=new db"_s}));
    EXPECT_EQ(OperationFolders().size(), 1);
}

// What the engine noted it wrote stands for the file only until another step touches it.
TEST_F(OperationTest, AWrittenFileIsRecordedAsNotedUntilALaterStepChangesIt) {
    const QByteArray C = "2e7d2c03a9507ae265ecf5b5356885a53393a2029d241394997265a1a25aefc6";
    const QByteArray NewA = "fbb6b30b41732026a9073fd355103e207f6b3c7c1adc086724df42e286417adf";
    const QString c = Game(u"c.iff"_s);
    const struct {
        const char* Later;
        std::function<void(Operation&)> Change;
        // The step and hash of each wrote line; size and time are the file's.
        QList<std::pair<int, QByteArray>> Recorded;
    } cases[] = {
        {"nothing", [](Operation&) {}, {{1, C}}},
        {"removed", [&](Operation& operation) { ASSERT_TRUE(operation.Remove(c)); }, {}},
        {"undone", [](Operation& operation) { operation.UndoLastStep(); }, {}},
        {"replaced",
         [&](Operation& operation) {
             ASSERT_TRUE(operation.Replace(c));
             FFolder.Write(u"game/c.iff"_s, "new a");
         },
         {{1, NewA}, {2, NewA}}},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.Later);
        QFile::remove(c);
        Operation operation(Start(), FLanguage);
        ASSERT_TRUE(operation.Create(c));
        FFolder.Write(u"game/c.iff"_s, "c");
        operation.NoteWritten(c, 1, QByteArray::fromHex(C));
        row.Change(operation);
        ASSERT_TRUE(operation.Commit());
        QList<QByteArray> wrote = JournalBytes(operation).split('\n');
        wrote.removeIf([](const QByteArray& line) { return !line.startsWith("wrote"); });
        QList<QByteArray> expected;
        for (const auto& [step, sha256] : row.Recorded)
            expected.append(Wrote(step, u"game/c.iff"_s, sha256));
        EXPECT_EQ(wrote, expected);
    }
}

TEST_F(OperationTest, AnOperationDroppedUncommittedIsUndoneByteForByte) {
    const QStringList before = Snapshot(FFolder.Path());
    const QDateTime stamp = QFileInfo(Game(u"b.iff"_s)).lastModified();
    {
        Operation operation(Start(), FLanguage);
        ChangeEverything(operation);
    }
    EXPECT_EQ(Snapshot(FFolder.Path()), before);
    EXPECT_EQ(QFileInfo(Game(u"b.iff"_s)).lastModified(), stamp);
    EXPECT_TRUE(OperationFolders().isEmpty());
}

TEST_F(OperationTest, UndoLastStepPutsBackWhatAFailedChangeHadMovedAside) {
    Operation operation(Start(), FLanguage);
    ASSERT_TRUE(operation.Replace(Game(u"a.iff"_s)));
    operation.UndoLastStep();
    EXPECT_EQ(FFolder.Read(u"game/a.iff"_s), "old a");
    ASSERT_TRUE(operation.Commit());
    EXPECT_EQ(FFolder.Read(u"game/a.iff"_s), "old a");
}

TEST_F(OperationTest, AStepOnAMissingFileCountsAsCreatingItAndAMissingFileCannotBeRemovedOrMoved) {
    {
        Operation operation(Start(), FLanguage);
        ASSERT_TRUE(operation.Replace(Game(u"none.iff"_s)));
        FFolder.Write(u"game/none.iff"_s, "new");
        ASSERT_TRUE(operation.Rewrite(Game(u"db.iff"_s)));
        FFolder.Write(u"game/db.iff"_s, "new db");
        EXPECT_FALSE(operation.Remove(Game(u"gone.iff"_s)));
        EXPECT_FALSE(operation.Move(Game(u"gone.iff"_s), Game(u"a.iff"_s)));
        EXPECT_FALSE(operation.Move(Game(u"a.iff"_s), Game(u"../game/a.iff"_s)));
        EXPECT_FALSE(operation.Move(Game(u"a.iff"_s), Home()));
    }
    EXPECT_EQ(FFolder.Contents(),
              (QStringList{u"game"_s, u"game/a.iff"_s, u"game/b.iff"_s, u"home"_s,
                           u"home/files.iff"_s, u"home/operations"_s}));
}

TEST_F(OperationTest, WorksWhenTheGameFolderLiesOnAnotherFileSystem) {
    const QString shm = u"/dev/shm"_s;
    if (!QFileInfo(shm).isWritable() || QStorageInfo(shm).device() == QStorageInfo(Home()).device())
        GTEST_SKIP() << "no second file system at /dev/shm";
    QTemporaryDir game(shm + u"/packwright-journal-XXXXXX"_s);
    ASSERT_TRUE(game.isValid());
    const QString kept = game.filePath(u"kept.iff"_s);
    const QString removed = game.filePath(u"removed.iff"_s);
    ASSERT_TRUE(QFile::copy(FFolder.Path(u"game/a.iff"_s), kept));
    ASSERT_TRUE(QFile::copy(FFolder.Path(u"game/b.iff"_s), removed));
    OperationStart start = Start();
    start.FilesItMayMove = {kept, removed, Game(u"a.iff"_s)};
    start.FilesItMayRewrite = {FFolder.Path(u"home/files.iff"_s)};
    // Only what crosses to the keep folder's file system is copied: 5 + 5, and files.iff.
    EXPECT_EQ(BytesToKeep(start, Home()), 16);
    {
        Operation operation(start, FLanguage);
        ASSERT_TRUE(operation.Replace(kept));
        ASSERT_TRUE(operation.Remove(removed));
        EXPECT_EQ(Snapshot(game.path()), QStringList());
        EXPECT_EQ(Snapshot(operation.Folder() + u"/keep"_s),
                  (QStringList{u"1=old a"_s, u"2=old b"_s}));
        QFile newFile(kept);
        ASSERT_TRUE(newFile.open(QIODevice::WriteOnly));
        newFile.write("new");
    }
    EXPECT_EQ(Snapshot(game.path()), (QStringList{u"kept.iff=old a"_s, u"removed.iff=old b"_s}));
}

TEST_F(OperationTest, RefusesToBeginWhileAnotherHoldsTheFolderOrAnUndoIsOwed) {
    const QStringList before = Snapshot(FFolder.Path());
    {
        OperationsLock other;
        ASSERT_EQ(other.Acquire(Home() + u"/operations"_s, 0), LockOutcome::Held);
        EXPECT_EQ(RefusalText(Start()),
                  u"Another Packwright is changing the game folder or the installed files "
                  "database. Please try again when it has finished."_s);
    }
    WriteOperation(Home(), u"20261207-173000-000-1"_s, JournalLines({InstallHeader()}));
    EXPECT_EQ(RefusalText(Start()),
              u"An earlier change that was interrupted has not been undone yet. Please start "
              "The Packwright again (or run \"packwright-cli recover\") before making new "
              "changes."_s);
    EXPECT_EQ(Snapshot(FFolder.Path()), before);
    EXPECT_EQ(OperationFolders(), QStringList{u"20261207-173000-000-1"_s});
}

TEST_F(OperationTest, AKeepFolderWithoutRoomStopsTheOperationBeforeItsFirstChange) {
    // A sparse file larger than the free space, to be rewritten.
    QFile huge(FFolder.Path(u"game/huge.far"_s));
    const qint64 free = QStorageInfo(FFolder.Path()).bytesAvailable();
    if (!huge.open(QIODevice::WriteOnly) || !huge.resize(free + (qint64(1) << 30)))
        GTEST_SKIP() << "no sparse file larger than the free space";
    huge.close();
    const QStringList before = Snapshot(FFolder.Path(u"home"_s));
    OperationStart start = Start();
    start.FilesItMayRewrite = {huge.fileName()};
    const QString refusal = RefusalText(start);
    EXPECT_TRUE(refusal.startsWith(u"There is not enough free space in \""_s +
                                   QDir::toNativeSeparators(Home() + u"/operations"_s) +
                                   u"\" to keep the "_s))
        << refusal.toStdString();
    EXPECT_TRUE(
        refusal.endsWith(u" of files this change would replace. Nothing has been changed."_s));
    EXPECT_EQ(Snapshot(FFolder.Path(u"home"_s)), before);
    EXPECT_TRUE(OperationFolders().isEmpty());
}

TEST_F(OperationTest, AfterALineFailsPartWayNoStepOrCommitIsWrittenAfterIt) {
    const QStringList before = Snapshot(FFolder.Path());
    {
        Operation operation(Start(), FLanguage);
        const qint64 header = QFileInfo(operation.Folder() + u"/journal.txt"_s).size();
        {
            // A full disk cuts the line short after ten bytes.
            FileSizeLimit limit(header + 10);
            EXPECT_FALSE(operation.Replace(Game(u"a.iff"_s)));
        }
        // Written now, a line would run on from the cut one and read as neither.
        EXPECT_FALSE(operation.Remove(Game(u"b.iff"_s)));
        EXPECT_FALSE(operation.Commit());
        EXPECT_EQ(JournalBytes(operation).mid(header), "replace\t1\t");
    }
    EXPECT_EQ(Snapshot(FFolder.Path()), before);
}

// Each operation keeps the 6 bytes of files.iff; the retention comes from the settings.
TEST_F(OperationTest, KeepsOnlyTheNewestCommittedOperationsTheSettingsAllow) {
    const struct {
        QByteArray Settings;
        int Operations;
        qsizetype Kept;
    } cases[] = {{"", 22, 20},
                 {"[General]\nHistoryCount=1\n", 3, 1},
                 {"[General]\nHistoryMegabytes=0\n", 3, 0},
                 {"[General]\nHistoryCount=-3\nHistoryMegabytes=much\n", 3, 3}};
    for (const auto& item : cases) {
        FFolder.Write(u"settings.ini"_s, item.Settings);
        QDir(Home() + u"/operations"_s).removeRecursively();
        for (int i = 0; i < item.Operations; ++i) {
            Operation operation(Start(), FLanguage);
            ASSERT_TRUE(operation.Rewrite(FFolder.Path(u"home/files.iff"_s)));
            ASSERT_TRUE(operation.Commit());
        }
        EXPECT_EQ(OperationFolders().size(), item.Kept) << item.Settings.toStdString();
    }
}
