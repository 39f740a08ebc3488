#include "AsOrdinaryUser.h"
#include "fileutil/TFiles.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
QStringList Strings(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QLatin1String(text));
    return list;
}

// The paths with each run of equal depth sorted: the order among siblings is the file
// system's, the order of the levels is the walk's.
QStringList LevelsSorted(QStringList paths) {
    const auto depth = [](const QString& path) {
        return path.chopped(path.endsWith(u'/')).count(u'/');
    };
    auto run = paths.begin();
    while (run != paths.end()) {
        auto end = std::find_if(run, paths.end(),
                                [&](const QString& path) { return depth(path) != depth(*run); });
        std::sort(run, end);
        run = end;
    }
    return paths;
}

// Every folder has a sub-folder beside a file, down to the third level, so a depth-first
// walk cannot list in breadth-first order whatever order the file system lists in.
class TFilesSearch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FRoot.isValid());
        for (const char* file :
             {"chair.iff", ".hidden.iff", "Skins/body.cmx", "Skins/Heads/Faces/face.cmx",
              "Walls/stone.wll", "Walls/Old/Mossy/brick.WLL"})
            ASSERT_TRUE(WriteFixtureFile(Path(file), QByteArray(10, 'x')));
        FFiles.SetRecursive(true);
    }

    QString Path(const char* relative) const { return FRoot.filePath(QLatin1String(relative)); }

    // The found paths below the root, in the order found or sorted.
    QStringList Found(bool sorted = true) const {
        QStringList relative;
        for (const QString& path : FFiles.Files())
            relative.append(path.startsWith(FRoot.path() + u'/')
                                ? path.mid(FRoot.path().size() + 1)
                                : QStringLiteral("<not below root> ") + path);
        if (sorted)
            relative.sort();
        return relative;
    }

    QTemporaryDir FRoot;
    TFiles FFiles;
};

TEST_F(TFilesSearch, ListsTheWholeTreeLevelByLevelWithCounts) {
    FFiles.SetDirectory(FRoot.path());
    FFiles.FindFiles();

    EXPECT_EQ(LevelsSorted(Found(false)),
              Strings({".hidden.iff", "Skins", "Walls", "chair.iff",                    //
                       "Skins/Heads", "Skins/body.cmx", "Walls/Old", "Walls/stone.wll", //
                       "Skins/Heads/Faces", "Walls/Old/Mossy",                          //
                       "Skins/Heads/Faces/face.cmx", "Walls/Old/Mossy/brick.WLL"}));
    EXPECT_EQ(FFiles.DirCount(), 6);
    EXPECT_EQ(FFiles.FileCount(), 6);
    EXPECT_EQ(FFiles.TotalSize(), 60);

    FFiles.SetRecursive(false);
    FFiles.FindFiles();
    EXPECT_EQ(Found(), Strings({".hidden.iff", "Skins", "Walls", "chair.iff"}));
}

TEST_F(TFilesSearch, FindSubDirsListsFoldersLevelByLevel) {
    FFiles.FindSubDirs(FRoot.path());
    EXPECT_EQ(LevelsSorted(Found(false)), Strings({"Skins/", "Walls/", "Skins/Heads/", "Walls/Old/",
                                                   "Skins/Heads/Faces/", "Walls/Old/Mossy/"}));
    EXPECT_EQ(FFiles.DirCount(), 6);
}

TEST_F(TFilesSearch, FindSubDirsInAddsToEveryEarlierResult) {
    FFiles.FindSubDirs(FRoot.path());
    FFiles.FindSubDirsIn(Path("Walls"));
    FFiles.FindSubDirsIn(Path("Walls"));
    EXPECT_EQ(Found(false).mid(6), Strings({"Walls/Old/", "Walls/Old/"}));
    EXPECT_EQ(FFiles.DirCount(), 8);

    FFiles.FindFiles(Path("*.*"));
    FFiles.FindSubDirsIn(Path("Skins"));
    EXPECT_EQ(Found(false).last(), QStringLiteral("Skins/Heads/"));
    EXPECT_EQ(FFiles.DirCount(), 7);
}

TEST_F(TFilesSearch, EmptyDirectoryAndBareMaskSearchTheCurrentFolderGivingFullPaths) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(FRoot.path()));
    FFiles.SetFind(ffDirectory);
    FFiles.FindFiles(QStringLiteral("*.*"));
    const QStringList folders = Found();
    // Sub-folders are matched against the mask too, so only the start folder is searched.
    FFiles.SetFind({});
    FFiles.SetFileMask(QStringLiteral("*.iff"));
    FFiles.FindFiles();
    const QStringList iffFiles = Found();
    QDir::setCurrent(previous);

    EXPECT_EQ(FFiles.Directory(), FRoot.path() + u'/');
    EXPECT_EQ(iffFiles, Strings({".hidden.iff", "chair.iff"}));
    EXPECT_EQ(folders, Strings({"Skins", "Skins/Heads", "Skins/Heads/Faces", "Walls", "Walls/Old",
                                "Walls/Old/Mossy"}));
}

TEST_F(TFilesSearch, MaskIgnoresLetterCaseAndFilterNeedsEveryAttribute) {
    for (const char* locked : {".locked.WLL", "Walls/.locked.wll", "Walls/locked.wll"}) {
        ASSERT_TRUE(WriteFixtureFile(Path(locked), "x"));
        ASSERT_TRUE(QFile::setPermissions(Path(locked), QFile::ReadOwner | QFile::ReadOther));
    }
    FFiles.SetFind(ffHidden | ffReadOnly);
    FFiles.FindFiles(Path("*.wll"));
    EXPECT_EQ(Found(), Strings({".locked.WLL", "Walls/.locked.wll"}));
}

TEST_F(TFilesSearch, LinkCycleIsListedButNotWalked) {
    ASSERT_TRUE(QFile::link(FRoot.path(), Path("Walls/Old/root")));
    ASSERT_TRUE(QFile::link(Path("Skins"), Path("SkinsAgain")));
    FFiles.FindFiles(Path("*.*"));

    const QStringList found = Found();
    EXPECT_TRUE(found.contains(QStringLiteral("Walls/Old/root")));
    EXPECT_TRUE(found.contains(QStringLiteral("SkinsAgain")));
    EXPECT_EQ(found.count(QStringLiteral("Skins/body.cmx")) +
                  found.count(QStringLiteral("SkinsAgain/body.cmx")),
              1);
    EXPECT_EQ(FFiles.FileCount(), 6);
}

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

    EXPECT_EQ(Found(),
              Strings({".hidden.iff", "Skins", "Skins/Heads", "Skins/Heads/Faces",
                       "Skins/Heads/Faces/face.cmx", "Skins/body.cmx", "Walls", "chair.iff"}));
}
} // namespace
