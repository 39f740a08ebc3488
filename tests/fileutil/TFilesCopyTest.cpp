#include "AsOrdinaryUser.h"
#include "fileutil/TFiles.h"
#include "support/FileFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/QtPrinters.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
const QDateTime Modified(QDate(2004, 5, 9), QTime(12, 30, 15), Qt::UTC);

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class TFilesCopy : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FSource.isValid() && FTarget.isValid());
        WriteSource("chair.iff", "chair");
        WriteSource("Objects/table.iff", "table");
        WriteSource("Objects/Deep/lamp.iff", "lamp");
        ASSERT_TRUE(QDir(FSource.path()).mkdir(QStringLiteral("Empty")));
        ASSERT_TRUE(
            QFile::setPermissions(Source("chair.iff"), QFile::ReadOwner | QFile::ReadOther));
    }

    void WriteSource(const char* relative, const QByteArray& bytes) {
        ASSERT_TRUE(WriteFixtureFile(Source(relative), bytes));
        QFile file(Source(relative));
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(Modified, QFileDevice::FileModificationTime));
    }
    QString Source(const char* relative) const { return FSource.filePath(QLatin1String(relative)); }
    QString Target(const char* relative) const { return FTarget.filePath(QLatin1String(relative)); }
    QString SourcePattern() const { return FSource.path() + QStringLiteral("/*.*"); }

    // Everything under the target, hidden entries included, so a left-over partial copy shows.
    QStringList TargetEntries() const {
        QStringList entries;
        QDirIterator walk(FTarget.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                          QDirIterator::Subdirectories);
        while (walk.hasNext())
            entries.append(walk.next().mid(FTarget.path().size() + 1));
        entries.sort();
        return entries;
    }

    QTemporaryDir FSource;
    QTemporaryDir FTarget;
    TFiles FFiles;
};

TEST_F(TFilesCopy, CopiesTheTreeWithTimesAndPermissions) {
    ASSERT_TRUE(QDir(FTarget.path()).mkdir(QStringLiteral("Objects")));
    FFiles.SetRecursive(true);
    FFiles.CopyFiles(SourcePattern(), FTarget.path());

    EXPECT_EQ(FFiles.FileCount(), 3);
    EXPECT_EQ(FFiles.DirCount(), 3); // Objects was there; Deep and Empty are new
    EXPECT_EQ(FFiles.TotalSize(), 14);
    EXPECT_TRUE(FFiles.Files().contains(Target("Objects/Deep/lamp.iff")));
    EXPECT_EQ(Contents(Target("Objects/Deep/lamp.iff")), "lamp");
    const QFileInfo copy(Target("chair.iff"));
    EXPECT_EQ(copy.lastModified(), Modified);
    EXPECT_EQ(copy.permissions(), QFileInfo(Source("chair.iff")).permissions());
    EXPECT_EQ(TargetEntries(),
              QStringList({QStringLiteral("Empty"), QStringLiteral("Objects"),
                           QStringLiteral("Objects/Deep"), QStringLiteral("Objects/Deep/lamp.iff"),
                           QStringLiteral("Objects/table.iff"), QStringLiteral("chair.iff")}));
}

TEST_F(TFilesCopy, ExistingTargetIsReplacedOnlyWhenAllowed) {
    ASSERT_TRUE(WriteFixtureFile(Target("chair.iff"), "older"));
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), -1);
    EXPECT_EQ(Contents(Target("chair.iff")), "older");

    FFiles.SetOverwrite(true);
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), 5);
    EXPECT_EQ(Contents(Target("chair.iff")), "chair");
    EXPECT_EQ(QFileInfo(Target("chair.iff")).lastModified(), Modified);
}

TEST_F(TFilesCopy, OverwriteHandlerDecidesAndMayRename) {
    ASSERT_TRUE(WriteFixtureFile(Target("chair.iff"), "older"));
    bool allow = true;
    QObject::connect(&FFiles, &TFiles::OnOverwrite,
                     [&](TFiles*, const QString& source, QString& fileName, bool& canOverwrite) {
                         EXPECT_EQ(source, Source("chair.iff"));
                         fileName = Target("chair2.iff");
                         canOverwrite = allow;
                     });
    FFiles.CopyFiles(Source("chair.*"), FTarget.path());
    EXPECT_EQ(FFiles.Files(), QStringList({Target("chair2.iff")}));
    EXPECT_EQ(Contents(Target("chair2.iff")), "chair");
    EXPECT_EQ(Contents(Target("chair.iff")), "older");

    FFiles.SetOverwrite(true);
    allow = false;
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), -1);
    EXPECT_EQ(Contents(Target("chair.iff")), "older");
}

TEST_F(TFilesCopy, MoveLeavesOnlyTheCopyAndNeverMovesAFileOntoItself) {
    FFiles.SetDirectory(FSource.path() + QStringLiteral("/Objects"));
    EXPECT_EQ(FFiles.MoveFile(QStringLiteral("table.iff"), Target("table.iff")), 5);
    EXPECT_FALSE(QFile::exists(Source("Objects/table.iff")));
    EXPECT_EQ(Contents(Target("table.iff")), "table");

    FFiles.SetOverwrite(true);
    EXPECT_EQ(FFiles.MoveFile(Target("table.iff"), Target("table.iff")), -1);
    FFiles.MoveFiles(Target("*.*"), FTarget.path());
    EXPECT_EQ(FFiles.FileCount(), 0);
    EXPECT_EQ(Contents(Target("table.iff")), "table");
}

TEST_F(TFilesCopy, CopyThatFailsPartWayLeavesNoTraceAndIsNotCounted) {
    WriteSource("big.iff", QByteArray(64 * 1024, 'b'));
    ASSERT_TRUE(WriteFixtureFile(Target("big.iff"), "older"));
    FFiles.SetOverwrite(true);
    {
        FileSizeLimit limit(4096);
        FFiles.CopyFiles(Source("*.iff"), FTarget.path());
    }
    EXPECT_EQ(FFiles.Files(), QStringList({Target("chair.iff")}));
    EXPECT_EQ(FFiles.FileCount(), 1);
    EXPECT_EQ(Contents(Target("big.iff")), "older");
    EXPECT_EQ(TargetEntries(),
              QStringList({QStringLiteral("big.iff"), QStringLiteral("chair.iff")}));
}

// The copy carries the source's read-only permission before it is renamed into place; a
// failed rename must still take it away.
TEST_F(TFilesCopy, ReadOnlyCopyWhoseRenameFailsLeavesNoPartialFile) {
    ASSERT_TRUE(WriteFixtureFile(Target("chair.iff/keep.iff"), "keep"));
    const auto everyone = QFileDevice::Permissions(0x7777);
    ASSERT_TRUE(QFile::setPermissions(FSource.path(), everyone));
    ASSERT_TRUE(QFile::setPermissions(FTarget.path(), everyone));
    // Read-only for all: root's group stays in force after the switch to nobody.
    ASSERT_TRUE(QFile::setPermissions(Source("chair.iff"), QFileDevice::Permissions(0x4444)));
    FFiles.SetOverwrite(true);
    qint64 copied = 0;
    {
        AsOrdinaryUser user;
        copied = FFiles.CopyFile(Source("chair.iff"), Target("chair.iff"));
    }
    EXPECT_EQ(copied, -1);
    EXPECT_EQ(TargetEntries(),
              QStringList({QStringLiteral("chair.iff"), QStringLiteral("chair.iff/keep.iff")}));
}

TEST_F(TFilesCopy, TooLittleFreeSpaceStopsTheWholeCopy) {
    const qint64 available = QStorageInfo(FTarget.path()).bytesAvailable();
    ASSERT_GT(available, 0);
    QFile sparse(Source("huge.far"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(available + (qint64(1) << 30)));
    sparse.close();
    int raised = 0;
    QObject::connect(&FFiles, &TFiles::OnNoDiskSpace, [&](TFiles*) { ++raised; });
    {
        FileSizeLimit limit(1 << 20); // should the check fail, the test must not fill the disk
        FFiles.CopyFiles(SourcePattern(), FTarget.path());
    }
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(TargetEntries().isEmpty());
    // Sizes beyond 32 bits count in full.
    EXPECT_EQ(FFiles.TotalSize(), sparse.size() + 5); // with chair.iff beside it
}
} // namespace
