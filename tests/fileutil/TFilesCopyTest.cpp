#include "fileutil/TFiles.h"
#include "support/FileFixtures.h"
#include "support/FileSizeLimit.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QDateTime Modified(QDate(2004, 5, 9), QTime(12, 30, 15), Qt::UTC);

class TFilesCopy : public ::testing::Test {
protected:
    void SetUp() override {
        WriteSource("chair.iff", "chair");
        WriteSource("Objects/table.iff", "table");
        WriteSource("Objects/Deep/lamp.iff", "lamp");
        ASSERT_TRUE(QDir(FSource.Path()).mkdir(u"Empty"_s));
        ASSERT_TRUE(
            QFile::setPermissions(Source("chair.iff"), QFile::ReadOwner | QFile::ReadOther));
    }

    void WriteSource(const char* relative, const QByteArray& bytes) {
        ASSERT_TRUE(SetFileModified(FSource.Write(QLatin1String(relative), bytes), Modified));
    }
    QString Source(const char* relative) const { return FSource.Path(QLatin1String(relative)); }
    QString Target(const char* relative) const { return FTarget.Path(QLatin1String(relative)); }
    QByteArray Contents(const char* relative) const {
        return FTarget.Read(QLatin1String(relative));
    }
    QString SourcePattern() const { return FSource.Path() + u"/*.*"_s; }

    TempFolder FSource;
    TempFolder FTarget;
    TFiles FFiles;
};

TEST_F(TFilesCopy, CopiesTheTreeWithTimesAndPermissions) {
    ASSERT_TRUE(QDir(FTarget.Path()).mkdir(u"Objects"_s));
    FFiles.SetRecursive(true);
    FFiles.CopyFiles(SourcePattern(), FTarget.Path());

    EXPECT_EQ(FFiles.FileCount(), 3);
    EXPECT_EQ(FFiles.DirCount(), 3); // Objects was there; Deep and Empty are new
    EXPECT_EQ(FFiles.TotalSize(), 14);
    EXPECT_TRUE(FFiles.Files().contains(Target("Objects/Deep/lamp.iff")));
    EXPECT_EQ(Contents("Objects/Deep/lamp.iff"), "lamp");
    const QFileInfo copy(Target("chair.iff"));
    EXPECT_EQ(copy.lastModified(), Modified);
    EXPECT_EQ(copy.permissions(), QFileInfo(Source("chair.iff")).permissions());
    EXPECT_EQ(FTarget.Contents(),
              QStringList({u"Empty"_s, u"Objects"_s, u"Objects/Deep"_s, u"Objects/Deep/lamp.iff"_s,
                           u"Objects/table.iff"_s, u"chair.iff"_s}));
}

TEST_F(TFilesCopy, ExistingTargetIsReplacedOnlyWhenAllowed) {
    FTarget.Write(QLatin1String("chair.iff"), "older");
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), -1);
    EXPECT_EQ(Contents("chair.iff"), "older");

    FFiles.SetOverwrite(true);
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), 5);
    EXPECT_EQ(Contents("chair.iff"), "chair");
    EXPECT_EQ(QFileInfo(Target("chair.iff")).lastModified(), Modified);
}

TEST_F(TFilesCopy, OverwriteHandlerDecidesAndMayRename) {
    FTarget.Write(QLatin1String("chair.iff"), "older");
    bool allow = true;
    QObject::connect(&FFiles, &TFiles::OnOverwrite,
                     [&](TFiles*, const QString& source, QString& fileName, bool& canOverwrite) {
                         EXPECT_EQ(source, Source("chair.iff"));
                         fileName = Target("chair2.iff");
                         canOverwrite = allow;
                     });
    FFiles.CopyFiles(Source("chair.*"), FTarget.Path());
    EXPECT_EQ(FFiles.Files(), QStringList({Target("chair2.iff")}));
    EXPECT_EQ(Contents("chair2.iff"), "chair");
    EXPECT_EQ(Contents("chair.iff"), "older");

    FFiles.SetOverwrite(true);
    allow = false;
    EXPECT_EQ(FFiles.CopyFile(Source("chair.iff"), Target("chair.iff")), -1);
    EXPECT_EQ(Contents("chair.iff"), "older");
}

TEST_F(TFilesCopy, MoveLeavesOnlyTheCopyAndNeverMovesAFileOntoItself) {
    FFiles.SetDirectory(FSource.Path() + u"/Objects"_s);
    EXPECT_EQ(FFiles.MoveFile(u"table.iff"_s, Target("table.iff")), 5);
    EXPECT_FALSE(QFile::exists(Source("Objects/table.iff")));
    EXPECT_EQ(Contents("table.iff"), "table");

    FFiles.SetOverwrite(true);
    EXPECT_EQ(FFiles.MoveFile(Target("table.iff"), Target("table.iff")), -1);
    FFiles.MoveFiles(Target("*.*"), FTarget.Path());
    EXPECT_EQ(FFiles.FileCount(), 0);
    EXPECT_EQ(Contents("table.iff"), "table");
}

TEST_F(TFilesCopy, CopyThatFailsPartWayLeavesNoTraceAndIsNotCounted) {
    WriteSource("big.iff", QByteArray(64 * 1024, 'b'));
    FTarget.Write(QLatin1String("big.iff"), "older");
    FFiles.SetOverwrite(true);
    {
        FileSizeLimit limit(4096);
        FFiles.CopyFiles(Source("*.iff"), FTarget.Path());
    }
    EXPECT_EQ(FFiles.Files(), QStringList({Target("chair.iff")}));
    EXPECT_EQ(FFiles.FileCount(), 1);
    EXPECT_EQ(Contents("big.iff"), "older");
    EXPECT_EQ(FTarget.Contents(), QStringList({u"big.iff"_s, u"chair.iff"_s}));
}

// The copy carries the source's read-only permission before it is renamed into place; a
// failed rename must still take it away.
TEST_F(TFilesCopy, ReadOnlyCopyWhoseRenameFailsLeavesNoPartialFile) {
    FTarget.Write(QLatin1String("chair.iff/keep.iff"), "keep");
    const auto everyone = QFileDevice::Permissions(0x7777);
    ASSERT_TRUE(QFile::setPermissions(FSource.Path(), everyone));
    ASSERT_TRUE(QFile::setPermissions(FTarget.Path(), everyone));
    // Read-only for all: root's group stays in force after the switch to nobody.
    ASSERT_TRUE(QFile::setPermissions(Source("chair.iff"), QFileDevice::Permissions(0x4444)));
    FFiles.SetOverwrite(true);
    qint64 copied = 0;
    {
        AsOrdinaryUser user;
        copied = FFiles.CopyFile(Source("chair.iff"), Target("chair.iff"));
    }
    EXPECT_EQ(copied, -1);
    EXPECT_EQ(FTarget.Contents(), QStringList({u"chair.iff"_s, u"chair.iff/keep.iff"_s}));
}

TEST_F(TFilesCopy, TooLittleFreeSpaceStopsTheWholeCopy) {
    const qint64 available = QStorageInfo(FTarget.Path()).bytesAvailable();
    ASSERT_GT(available, 0);
    QFile sparse(Source("huge.far"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(available + (qint64(1) << 30)));
    sparse.close();
    int raised = 0;
    QObject::connect(&FFiles, &TFiles::OnNoDiskSpace, [&](TFiles*) { ++raised; });
    {
        FileSizeLimit limit(1 << 20); // should the check fail, the test must not fill the disk
        FFiles.CopyFiles(SourcePattern(), FTarget.Path());
    }
    EXPECT_EQ(raised, 1);
    EXPECT_TRUE(FTarget.Contents().isEmpty());
    // Sizes beyond 32 bits count in full.
    EXPECT_EQ(FFiles.TotalSize(), sparse.size() + 5); // with chair.iff beside it
}
} // namespace
