#include "platform/FileKind.h"
#include "support/OrdinaryUser.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {
// More files than the probe looks up one by one before it lists their folder.
constexpr int FilesInFolder = 100;

class RegularFileProbeTest : public TempFolderTest {
protected:
    void SetUp() override {
        for (int i = 0; i < FilesInFolder; ++i)
            FFolder.Write(u"many/file-%1.iff"_s.arg(i), "x");
    }

    QString Many(const QString& name) const { return FFolder.Path(u"many/"_s + name); }

    // Every file of the folder, asked in order, as a listing of the database does.
    void ExpectEveryFileFound(RegularFileProbe& probe) const {
        for (int i = 0; i < FilesInFolder; ++i)
            EXPECT_TRUE(probe.IsRegularFile(Many(u"file-%1.iff"_s.arg(i)))) << i;
    }
};

// Once the folder is listed, its names are still told apart as a look-up of each would.
TEST_F(RegularFileProbeTest, AnswersForAListedFolderAsALookUpOfEachName) {
    FFolder.Write(u"many/Chair.iff"_s, "x");
    ASSERT_TRUE(QDir().mkpath(Many(u"folder"_s)));
    ASSERT_EQ(::symlink("file-0.iff", QFile::encodeName(Many(u"link-to-file"_s))), 0);
    ASSERT_EQ(::symlink("gone.iff", QFile::encodeName(Many(u"dangling"_s))), 0);
    ASSERT_EQ(::symlink("folder", QFile::encodeName(Many(u"link-to-folder"_s))), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(Many(u"pipe"_s)), 0600), 0);
    RegularFileProbe probe;
    ExpectEveryFileFound(probe);
    const struct {
        QString Name;
        bool RegularFile;
    } cases[] = {
        {u"Chair.iff"_s, true},     {u"chair.iff"_s, false},      {u"link-to-file"_s, true},
        {u"dangling"_s, false},     {u"link-to-folder"_s, false}, {u"folder"_s, false},
        {u"pipe"_s, false},         {u"file-1"_s, false},         {u"file-1.iff.bak"_s, false},
        {u"file-99.iffx"_s, false}, {u"gone.iff"_s, false},       {u"."_s, false},
    };
    for (const auto& row : cases)
        EXPECT_EQ(probe.IsRegularFile(Many(row.Name)), row.RegularFile) << row.Name.toStdString();
}

// A folder that may be passed through but not read still has every file found.
TEST_F(RegularFileProbeTest, FindsFilesInAFolderThatCannotBeListed) {
    ASSERT_EQ(::chmod(QFile::encodeName(Many(QString())), 0311), 0);
    HandToOrdinaryUser(FFolder.Path());
    const AsOrdinaryUser user;
    RegularFileProbe probe;
    ExpectEveryFileFound(probe);
    EXPECT_FALSE(probe.IsRegularFile(Many(u"gone.iff"_s)));
}
} // namespace
