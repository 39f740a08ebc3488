#include "journal/KeptFiles.h"

#include "fileutil/PartialFile.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

using namespace Qt::StringLiterals;

namespace {
using KeptFilesTest = TempFolderTest;
} // namespace

// Within one file system the file is renamed; into another (a memory file system) it is
// copied and then deleted. Either way the target keeps the time and the read-only
// permission.
TEST_F(KeptFilesTest, MovesKeepBytesTimeAndPermissionsWithinAndAcrossFileSystems) {
    QTemporaryDir elsewhere(u"/dev/shm/packwright-XXXXXX"_s);
    const QDateTime stamp(QDate(2003, 2, 1), QTime(4, 5, 6));
    for (const QString& folder : {FFolder.Path(u"backup"_s), elsewhere.path()}) {
        if (folder.isEmpty())
            continue;
        SCOPED_TRACE(folder.toStdString());
        const QString target = folder + u"/Sets/lamp.iff"_s;
        ASSERT_TRUE(QDir().mkpath(folder + u"/Sets"_s));
        const QString source = FFolder.Write(u"game/lamp.iff"_s, "lamp");
        ASSERT_TRUE(SetFileModified(source, stamp));
        QFile::setPermissions(source, QFileDevice::ReadOwner);

        ASSERT_TRUE(MoveToFreePath(source, target));
        EXPECT_FALSE(QFile::exists(source));
        EXPECT_EQ(ReadFixtureFile(target), "lamp");
        EXPECT_EQ(QFileInfo(target).lastModified(), stamp);
        EXPECT_FALSE(QFileInfo(target).permissions() & QFileDevice::WriteOwner);
        EXPECT_FALSE(QFile::exists(PartialPathFor(target)));
    }
}

// A name that is not UTF-8, in a folder whose name is not either, is kept and put back by
// its own bytes, within one file system and across two, with no partial copy left.
TEST_F(KeptFilesTest, ANameThatIsNotUtf8IsKeptAndPutBackByItsOwnBytes) {
    QTemporaryDir elsewhere(u"/dev/shm/packwright-XXXXXX"_s);
    for (const QString& folder : {FFolder.Path(u"game"_s), elsewhere.path()}) {
        if (folder.isEmpty())
            continue;
        SCOPED_TRACE(folder.toStdString());
        const std::string inner = (QFile::encodeName(folder) + "/d\xE9").toStdString();
        ASSERT_TRUE(std::filesystem::create_directories(inner));
        std::ofstream(inner + "/caf\xE9.iff") << "caf\xE9";
        const QString path = folder + u"/d\xDCE9/caf\xDCE9.iff"_s;
        const QString kept = FFolder.Path(u"keep"_s);

        ASSERT_TRUE(MoveIntoKeep(path, kept));
        EXPECT_EQ(ReadFixtureFile(kept), "caf\xE9");
        EXPECT_TRUE(std::filesystem::is_empty(inner));
        ASSERT_TRUE(PutBack(kept, path));
        EXPECT_FALSE(QFile::exists(kept));
        std::string back;
        std::getline(std::ifstream(inner + "/caf\xE9.iff"), back);
        EXPECT_EQ(back, "caf\xE9");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(inner),
                                std::filesystem::directory_iterator()),
                  1);
    }
}

// A file is never moved onto itself or over another one, a copy into another file system
// (a memory file system) that comes out of another size than the source never costs the
// source, and neither leaves anything at the target.
TEST_F(KeptFilesTest, AMoveThatCannotBeWholeKeepsTheSourceAndLeavesNothingBehind) {
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

        EXPECT_FALSE(MoveToFreePath(source, target, nullptr, row.Copy));
        EXPECT_EQ(FFolder.Read(u"lamp.iff"_s), "lamp");
        EXPECT_EQ(ReadFixtureFile(target), row.Taken);
        EXPECT_FALSE(QFile::exists(PartialPathFor(target)));
    }
}

// Each row is a moment a kill may stop a move at (or a move that failed, its target's old
// file put back): the file ends at its first place, the target holds only what was there
// before the move, and no partial copy stays.
TEST_F(KeptFilesTest, MoveBackUndoesAMoveWhereverAKillStoppedIt) {
    struct Row {
        QByteArray File, Target, Partial; // none when empty
        QByteArray TargetAfter;
    };
    const Row rows[] = {
        {"lamp", {}, {}, {}},       // not begun
        {"lamp", {}, "la", {}},     // copied part-way
        {"lamp", {}, "lamp", {}},   // copied, the file not yet deleted
        {{}, {}, "lamp", {}},       // the file deleted, the copy not yet named
        {{}, "lamp", {}, {}},       // moved
        {"lamp", "old", {}, "old"}, // failed, the old target back
    };
    const QString file = FFolder.Path(u"game/lamp.iff"_s);
    const QString target = FFolder.Path(u"backup/lamp.iff"_s);
    for (const Row& row : rows) {
        SCOPED_TRACE(int(&row - rows));
        for (const auto& [path, bytes] : {std::pair(file, row.File), std::pair(target, row.Target),
                                          std::pair(PartialPathFor(target), row.Partial)}) {
            QFile::remove(path);
            if (!bytes.isEmpty()) {
                ASSERT_TRUE(WriteFixtureFile(path, bytes));
            }
        }

        EXPECT_TRUE(MoveBack(file, target));
        EXPECT_EQ(ReadFixtureFile(file), "lamp");
        EXPECT_EQ(ReadFixtureFile(target), row.TargetAfter);
        EXPECT_FALSE(QFile::exists(PartialPathFor(target)));
    }
}
