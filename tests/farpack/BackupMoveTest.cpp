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
// copied and then deleted. Either way the target replaces an old one and keeps the time
// and the read-only permission.
TEST_F(BackupMoveTest, MovesKeepBytesTimeAndPermissionsWithinAndAcrossFileSystems) {
    QTemporaryDir elsewhere(u"/dev/shm/packwright-XXXXXX"_s);
    const QDateTime stamp(QDate(2003, 2, 1), QTime(4, 5, 6));
    for (const QString& folder : {FFolder.Path(u"backup"_s), elsewhere.path()}) {
        if (folder.isEmpty())
            continue;
        SCOPED_TRACE(folder.toStdString());
        const QString target = folder + u"/Sets/lamp.iff"_s;
        ASSERT_TRUE(WriteFixtureFile(target, "older"));
        QFile::setPermissions(target, QFileDevice::ReadOwner);
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

// Replacing the target first would delete the only copy.
TEST_F(BackupMoveTest, AFileMovedOntoItselfStays) {
    const QString source = FFolder.Write(u"lamp.iff"_s, "lamp");
    FFolder.Write(u"sub/.keep"_s, "");
    EXPECT_FALSE(MoveToBackup(source, FFolder.Path(u"sub/../lamp.iff"_s)));
    EXPECT_EQ(FFolder.Read(u"lamp.iff"_s), "lamp");
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
