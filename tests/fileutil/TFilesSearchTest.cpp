#include "fileutil/TFiles.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace {
class TFilesSearch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FRoot.isValid());
        for (const char* file : {"chair.iff", ".hidden.iff", "Walls/stone.wll",
                                 "Walls/Old/brick.WLL", "Skins/head.cmx"})
            ASSERT_TRUE(WriteFixtureFile(Path(file), QByteArray(10, 'x')));
        FFiles.SetRecursive(true);
    }

    QString Path(const char* relative) const { return FRoot.filePath(QLatin1String(relative)); }

    // The found paths below the root, in the order found or sorted.
    QStringList Found(bool sorted = true) const {
        QStringList relative;
        for (const QString& path : FFiles.Files())
            relative.append(path.mid(FRoot.path().size() + 1));
        if (sorted)
            relative.sort();
        return relative;
    }

    QTemporaryDir FRoot;
    TFiles FFiles;
};

TEST_F(TFilesSearch, ListsTheWholeTreeBreadthFirstWithCounts) {
    FFiles.SetDirectory(FRoot.path());
    FFiles.FindFiles();

    EXPECT_EQ(Found(),
              QStringList({QStringLiteral(".hidden.iff"), QStringLiteral("Skins"),
                           QStringLiteral("Skins/head.cmx"), QStringLiteral("Walls"),
                           QStringLiteral("Walls/Old"), QStringLiteral("Walls/Old/brick.WLL"),
                           QStringLiteral("Walls/stone.wll"), QStringLiteral("chair.iff")}));
    EXPECT_EQ(FFiles.DirCount(), 3);
    EXPECT_EQ(FFiles.FileCount(), 5);
    EXPECT_EQ(FFiles.TotalSize(), 50);
    // Breadth-first: a folder's entries come after every entry of the level above.
    qsizetype depth = 0;
    for (const QString& path : Found(false)) {
        EXPECT_GE(path.count(u'/'), depth) << path.toStdString();
        depth = path.count(u'/');
    }

    FFiles.SetRecursive(false);
    FFiles.FindFiles();
    EXPECT_EQ(FFiles.Files().size(), 4);
}

TEST_F(TFilesSearch, FindSubDirsStartsInTheCurrentFolderWhenDirectoryIsEmpty) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(FRoot.path()));
    FFiles.FindSubDirs();
    QDir::setCurrent(previous);

    EXPECT_EQ(FFiles.Directory(), FRoot.path() + u'/');
    EXPECT_EQ(Found(), QStringList({QStringLiteral("Skins/"), QStringLiteral("Walls/"),
                                    QStringLiteral("Walls/Old/")}));
    EXPECT_EQ(Found(false).last(), QStringLiteral("Walls/Old/"));
}

TEST_F(TFilesSearch, MaskIgnoresLetterCaseAndFilterNeedsEveryAttribute) {
    for (const char* locked : {".locked.WLL", "Walls/.locked.wll", "Walls/locked.wll"}) {
        ASSERT_TRUE(WriteFixtureFile(Path(locked), "x"));
        ASSERT_TRUE(QFile::setPermissions(Path(locked), QFile::ReadOwner | QFile::ReadOther));
    }
    FFiles.SetFind(ffHidden | ffReadOnly);
    FFiles.FindFiles(Path("*.wll"));
    EXPECT_EQ(Found(),
              QStringList({QStringLiteral(".locked.WLL"), QStringLiteral("Walls/.locked.wll")}));

    FFiles.SetFind(ffDirectory);
    FFiles.FindFiles(Path("*.*"));
    EXPECT_EQ(Found(), QStringList({QStringLiteral("Skins"), QStringLiteral("Walls"),
                                    QStringLiteral("Walls/Old")}));
}

TEST_F(TFilesSearch, LinkCycleIsListedButNotWalked) {
    ASSERT_TRUE(QFile::link(FRoot.path(), Path("Walls/Old/root")));
    ASSERT_TRUE(QFile::link(Path("Skins"), Path("SkinsAgain")));
    FFiles.FindFiles(Path("*.*"));

    const QStringList found = Found();
    EXPECT_TRUE(found.contains(QStringLiteral("Walls/Old/root")));
    EXPECT_TRUE(found.contains(QStringLiteral("SkinsAgain")));
    EXPECT_EQ(found.count(QStringLiteral("Skins/head.cmx")) +
                  found.count(QStringLiteral("SkinsAgain/head.cmx")),
              1);
    EXPECT_EQ(FFiles.FileCount(), 5);
}

// Root reads every folder, so when the tests run as root the walk runs as nobody.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : FSwitched(geteuid() == 0 && seteuid(65534) == 0) {}
    ~AsOrdinaryUser() {
        if (FSwitched && seteuid(0) != 0)
            ADD_FAILURE() << "could not return to root";
    }

private:
    bool FSwitched;
};

TEST_F(TFilesSearch, UnreadableFolderIsPassedOver) {
    const auto everyoneEnters = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(FRoot.path(), everyoneEnters));
    ASSERT_TRUE(QFile::setPermissions(Path("Walls"), QFile::ExeOwner | QFile::ExeOther));
    {
        AsOrdinaryUser user;
        FFiles.FindFiles(Path("*.*"));
    }
    QFile::setPermissions(Path("Walls"), everyoneEnters);

    EXPECT_EQ(Found(), QStringList({QStringLiteral(".hidden.iff"), QStringLiteral("Skins"),
                                    QStringLiteral("Skins/head.cmx"), QStringLiteral("Walls"),
                                    QStringLiteral("chair.iff")}));
}
} // namespace
