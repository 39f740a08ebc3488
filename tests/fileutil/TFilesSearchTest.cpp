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
        Write("chair.iff", 10);
        Write(".hidden.iff", 5);
        Write("Walls/stone.wll", 20);
        Write("Walls/Old/brick.WLL", 30);
        Write("Skins/head.cmx", 40);
    }

    void Write(const char* relative, int size) {
        ASSERT_TRUE(WriteFixtureFile(Path(relative), QByteArray(size, 'x')));
    }
    QString Path(const char* relative) const { return Base() + QLatin1String(relative); }
    QString Base() const { return FRoot.path() + u'/'; }

    QStringList Relative(const QStringList& paths) const {
        QStringList relative;
        for (const QString& path : paths)
            relative.append(path.mid(Base().size()));
        return relative;
    }
    QStringList SortedRelative(const QStringList& paths) const {
        QStringList relative = Relative(paths);
        relative.sort();
        return relative;
    }

    QTemporaryDir FRoot;
    TFiles FFiles;
};

TEST_F(TFilesSearch, ListsTheWholeTreeBreadthFirstWithCounts) {
    FFiles.SetDirectory(FRoot.path());
    FFiles.SetRecursive(true);
    FFiles.FindFiles();

    EXPECT_EQ(SortedRelative(FFiles.Files()),
              QStringList({QStringLiteral(".hidden.iff"), QStringLiteral("Skins"),
                           QStringLiteral("Skins/head.cmx"), QStringLiteral("Walls"),
                           QStringLiteral("Walls/Old"), QStringLiteral("Walls/Old/brick.WLL"),
                           QStringLiteral("Walls/stone.wll"), QStringLiteral("chair.iff")}));
    EXPECT_EQ(FFiles.DirCount(), 3);
    EXPECT_EQ(FFiles.FileCount(), 5);
    EXPECT_EQ(FFiles.TotalSize(), 105);
    // Breadth-first: a folder's entries come after every entry of the level above.
    qsizetype depth = 0;
    for (const QString& path : Relative(FFiles.Files())) {
        EXPECT_GE(path.count(u'/'), depth) << path.toStdString();
        depth = path.count(u'/');
    }

    FFiles.SetRecursive(false);
    FFiles.FindFiles();
    EXPECT_EQ(FFiles.Files().size(), 4);
    EXPECT_EQ(FFiles.TotalSize(), 15);
}

TEST_F(TFilesSearch, FindSubDirsListsFoldersBelowTheStartOnly) {
    FFiles.SetRecursive(true);
    FFiles.FindSubDirs(FRoot.path());
    const QStringList folders = Relative(FFiles.Files());
    ASSERT_EQ(folders.size(), 3);
    EXPECT_EQ(folders.last(), QStringLiteral("Walls/Old/"));
    EXPECT_TRUE(folders.contains(QStringLiteral("Skins/")));
    EXPECT_EQ(FFiles.DirCount(), 3);
}

TEST_F(TFilesSearch, EmptyDirectoryMeansTheCurrentFolder) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Path("Walls")));
    FFiles.SetFileMask(QString());
    FFiles.FindFiles();
    QDir::setCurrent(previous);

    EXPECT_EQ(FFiles.Directory(), Path("Walls/"));
    EXPECT_EQ(FFiles.FileMask(), QStringLiteral("*.*"));
    QStringList found = FFiles.Files();
    found.sort();
    EXPECT_EQ(found, QStringList({Path("Walls/Old")}) << Path("Walls/stone.wll"));
}

TEST_F(TFilesSearch, MaskIgnoresLetterCaseAndFilterNeedsEveryAttribute) {
    Write(".locked.WLL", 1);
    Write("Walls/.locked.wll", 2);
    Write("Walls/locked.wll", 3);
    for (const char* locked : {".locked.WLL", "Walls/.locked.wll", "Walls/locked.wll"})
        ASSERT_TRUE(QFile::setPermissions(Path(locked), QFile::ReadOwner | QFile::ReadOther));
    FFiles.SetRecursive(true);

    FFiles.SetFind(ffHidden | ffReadOnly);
    FFiles.FindFiles(Path("*.wll"));
    EXPECT_EQ(SortedRelative(FFiles.Files()),
              QStringList({QStringLiteral(".locked.WLL"), QStringLiteral("Walls/.locked.wll")}));

    FFiles.SetFind(ffDirectory);
    FFiles.FindFiles(Path("*.*"));
    EXPECT_EQ(FFiles.FileCount(), 0);
    EXPECT_EQ(FFiles.DirCount(), 3);

    // Outside Windows there are no system files; every entry carries some attribute.
    FFiles.SetFind(ffSysFile);
    FFiles.FindFiles(Path("*.*"));
    EXPECT_TRUE(FFiles.Files().isEmpty());
    FFiles.SetFind(ffAnyFile);
    FFiles.FindFiles(Path("*.*"));
    EXPECT_EQ(FFiles.Files().size(), 11);
}

TEST_F(TFilesSearch, LinkCycleIsListedButNotWalked) {
    ASSERT_TRUE(QFile::link(FRoot.path(), Path("Walls/Old/root")));
    ASSERT_TRUE(QFile::link(Path("Skins"), Path("SkinsAgain")));
    FFiles.SetRecursive(true);
    FFiles.FindFiles(Path("*.*"));

    const QStringList found = Relative(FFiles.Files());
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
    FFiles.SetRecursive(true);
    {
        AsOrdinaryUser user;
        FFiles.FindFiles(Path("*.*"));
    }
    QFile::setPermissions(Path("Walls"), everyoneEnters);

    EXPECT_EQ(SortedRelative(FFiles.Files()),
              QStringList({QStringLiteral(".hidden.iff"), QStringLiteral("Skins"),
                           QStringLiteral("Skins/head.cmx"), QStringLiteral("Walls"),
                           QStringLiteral("chair.iff")}));
}

TEST_F(TFilesSearch, SizesBeyondFourGigabytesAreCountedInFull) {
    QFile sparse(Path("huge.far"));
    ASSERT_TRUE(sparse.open(QIODevice::WriteOnly));
    ASSERT_TRUE(sparse.resize(qint64(5) << 30));
    sparse.close();
    FFiles.FindFiles(Path("huge.*"));
    EXPECT_EQ(FFiles.TotalSize(), qint64(5) << 30);
}
} // namespace
