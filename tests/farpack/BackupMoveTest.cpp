#include "farpack/BackupMove.h"

#include "common/CaselessFolderCache.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

class BackupMoveTest : public TempFolderTest {};

// Within one file system the file is renamed; into another (a memory file system) it is
// copied and then deleted. Either way the target keeps the time and the read-only
// permission.
TEST_F(BackupMoveTest, MovesKeepBytesTimeAndPermissionsWithinAndAcrossFileSystems) {
    QTemporaryDir elsewhere(u"/dev/shm/packwright-XXXXXX"_s);
    const QDateTime stamp(QDate(2003, 2, 1), QTime(4, 5, 6));
    for (const QString& folder : {FFolder.Path(u"backup"_s), elsewhere.path()}) {
        if (folder.isEmpty())
            continue;
        SCOPED_TRACE(folder.toStdString());
        const QString target = folder + u"/Sets/lamp.iff"_s;
        const QString source = FFolder.Write(u"game/lamp.iff"_s, "lamp");
        ASSERT_TRUE(SetFileModified(source, stamp));
        QFile::setPermissions(source, QFileDevice::ReadOwner);

        ASSERT_TRUE(MoveToBackup(source, target));
        EXPECT_FALSE(QFile::exists(source));
        QFile moved(target);
        EXPECT_TRUE(moved.open(QIODevice::ReadOnly) && moved.readAll() == "lamp");
        EXPECT_EQ(QFileInfo(target).lastModified(), stamp);
        EXPECT_FALSE(QFileInfo(target).permissions() & QFileDevice::WriteOwner);
    }
}

// A file is never moved onto itself or over another one, a copy into another file system
// (a memory file system) that comes out of another size than the source never costs the
// source, and neither leaves anything at the target.
TEST_F(BackupMoveTest, AMoveThatCannotBeWholeKeepsTheSourceAndLeavesNothingBehind) {
    QTemporaryDir elsewhere(u"/dev/shm/packwright-XXXXXX"_s);
    const FileCopier reportsLess = [](const QString& source, const QString& target) {
        return CopyFileReplacing(source, target) - 1;
    };
    const FileCopier writesLess = [](const QString& source, const QString& target) {
        const qint64 copied = CopyFileReplacing(source, target);
        QFile(target).resize(copied - 1);
        return copied;
    };
    struct Row {
        bool Elsewhere;
        QString Target;
        FileCopier Copy;
        QByteArray Taken; // at the target before and after; none when empty
    };
    const std::vector<Row> rows = {
        {false, u"sub/../lamp.iff"_s, CopyFileReplacing, "lamp"},
        {false, u"sub/taken.iff"_s, CopyFileReplacing, "taken"},
        {true, u"taken.iff"_s, CopyFileReplacing, "taken"},
        {true, u"lamp.iff"_s, reportsLess, {}},
        {true, u"lamp.iff"_s, writesLess, {}},
    };
    FFolder.Write(u"sub/.keep"_s, "");
    for (const Row& row : rows) {
        SCOPED_TRACE(int(&row - rows.data()));
        if (row.Elsewhere && !elsewhere.isValid())
            continue;
        const QString source = FFolder.Write(u"lamp.iff"_s, "lamp");
        const QString target =
            row.Elsewhere ? elsewhere.filePath(row.Target) : FFolder.Path(row.Target);
        if (row.Taken == "taken") {
            ASSERT_TRUE(WriteFixtureFile(target, row.Taken));
        }

        EXPECT_FALSE(MoveToBackup(source, target, row.Copy));
        EXPECT_EQ(FFolder.Read(u"lamp.iff"_s), "lamp");
        QFile left(target);
        EXPECT_EQ(left.open(QIODevice::ReadOnly) ? left.readAll() : QByteArray(), row.Taken);
    }
}

TEST_F(BackupMoveTest, BackupNamesAreFoundInAnyCaseTheExactSpellingFirst) {
    FFolder.Write(u"backup/SETS/Lamp.IFF"_s, "");
    FFolder.Write(u"backup/Chair.iff"_s, "");
    FFolder.Write(u"backup/chair.iff"_s, "");
    CaselessFolderCache backup(FFolder.Path(u"BACKUP"_s));
    const QString root = FFolder.Path(u"backup/"_s);
    EXPECT_EQ(backup.Resolve(u"sets\\lamp.iff"_s), root + u"SETS/Lamp.IFF"_s);
    EXPECT_EQ(backup.Resolve(u"chair.iff"_s), root + u"chair.iff"_s);
    EXPECT_EQ(backup.Resolve(u"new/Sets/x.iff"_s), root + u"new/Sets/x.iff"_s);
}
