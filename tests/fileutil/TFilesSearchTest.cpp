#include "fileutil/TFiles.h"
#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

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
        for (const char* file :
             {"chair.iff", ".hidden.iff", "Skins/body.cmx", "Skins/Heads/Faces/face.cmx",
              "Walls/stone.wll", "Walls/Old/Mossy/brick.WLL"})
            FRoot.Write(QLatin1String(file), QByteArray(10, 'x'));
        FFiles.SetRecursive(true);
    }

    QString Path(const char* relative) const { return FRoot.Path(QLatin1String(relative)); }

    // The found paths below the root, in the order found or sorted.
    QStringList Found(bool sorted = true) const {
        QStringList relative;
        for (const QString& path : FFiles.Files())
            relative.append(path.startsWith(FRoot.Path() + u'/') ? path.mid(FRoot.Path().size() + 1)
                                                                 : u"<not below root> "_s + path);
        if (sorted)
            relative.sort();
        return relative;
    }

    TempFolder FRoot;
    TFiles FFiles;
};

TEST_F(TFilesSearch, ListsTheWholeTreeLevelByLevelWithCounts) {
    FFiles.SetDirectory(FRoot.Path());
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

TEST_F(TFilesSearch, FindSubDirsListsFoldersLevelByLevelAndFindSubDirsInAddsToThem) {
    FFiles.FindSubDirs(FRoot.Path());
    EXPECT_EQ(LevelsSorted(Found(false)), Strings({"Skins/", "Walls/", "Skins/Heads/", "Walls/Old/",
                                                   "Skins/Heads/Faces/", "Walls/Old/Mossy/"}));
    EXPECT_EQ(FFiles.DirCount(), 6);
    FFiles.FindSubDirsIn(Path("Walls"));
    FFiles.FindSubDirsIn(Path("Walls"));
    EXPECT_EQ(Found(false).mid(6), Strings({"Walls/Old/", "Walls/Old/"}));
    EXPECT_EQ(FFiles.DirCount(), 8);

    FFiles.FindFiles(Path("*.*"));
    FFiles.FindSubDirsIn(Path("Skins"));
    EXPECT_EQ(Found(false).last(), u"Skins/Heads/"_s);
    EXPECT_EQ(FFiles.DirCount(), 7);
}

TEST_F(TFilesSearch, EmptyDirectoryAndBareMaskSearchTheCurrentFolderGivingFullPaths) {
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(FRoot.Path()));
    FFiles.SetFind(ffDirectory);
    FFiles.FindFiles(u"*.*"_s);
    const QStringList folders = Found();
    // Sub-folders are matched against the mask too, so only the start folder is searched.
    FFiles.SetFind({});
    FFiles.SetFileMask(u"*.iff"_s);
    FFiles.FindFiles();
    const QStringList iffFiles = Found();
    QDir::setCurrent(previous);

    EXPECT_EQ(FFiles.Directory(), FRoot.Path() + u'/');
    EXPECT_EQ(iffFiles, Strings({".hidden.iff", "chair.iff"}));
    EXPECT_EQ(folders, Strings({"Skins", "Skins/Heads", "Skins/Heads/Faces", "Walls", "Walls/Old",
                                "Walls/Old/Mossy"}));
}

TEST_F(TFilesSearch, MaskIgnoresLetterCaseAndFilterNeedsEveryAttribute) {
    for (const char* locked : {".locked.WLL", "Walls/.locked.wll", "Walls/locked.wll"}) {
        FRoot.Write(QLatin1String(locked), "x");
        ASSERT_TRUE(QFile::setPermissions(Path(locked), QFile::ReadOwner | QFile::ReadOther));
    }
    FFiles.SetFind(ffHidden | ffReadOnly);
    FFiles.FindFiles(Path("*.wll"));
    EXPECT_EQ(Found(), Strings({".locked.WLL", "Walls/.locked.wll"}));
}

TEST_F(TFilesSearch, LinkCycleIsListedButNotWalked) {
    ASSERT_TRUE(QFile::link(FRoot.Path(), Path("Walls/Old/root")));
    ASSERT_TRUE(QFile::link(Path("Skins"), Path("SkinsAgain")));
    FFiles.FindFiles(Path("*.*"));

    const QStringList found = Found();
    EXPECT_TRUE(found.contains(u"Walls/Old/root"_s));
    EXPECT_TRUE(found.contains(u"SkinsAgain"_s));
    EXPECT_EQ(found.count(u"Skins/body.cmx"_s) + found.count(u"SkinsAgain/body.cmx"_s), 1);
    EXPECT_EQ(FFiles.FileCount(), 6);
}

TEST_F(TFilesSearch, UnreadableFolderIsPassedOver) {
    const auto everyoneEnters = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(FRoot.Path(), everyoneEnters));
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

TEST_F(TFilesSearch, LinksOutOfTheTreeAreListedButWalkedOnlyWhenAllowed) {
    TempFolder outside;
    outside.Write(u"far.iff"_s, "x");
    ASSERT_TRUE(QFile::link(outside.Path(), Path("Walls/away")));
    ASSERT_TRUE(QFile::link(Path("Skins"), Path("Walls/near")));
    FFiles.SetDirectory(FRoot.Path());
    const QStringList linked = Strings({"Walls/away", "Walls/away/far.iff", "Walls/near"});

    FFiles.FindFiles();
    for (const QString& path : linked)
        EXPECT_TRUE(Found().contains(path)) << path.toStdString();

    FFiles.SetFollowLinksOut(false);
    FFiles.FindFiles();
    EXPECT_TRUE(Found().contains(u"Walls/away"_s));
    EXPECT_FALSE(Found().contains(u"Walls/away/far.iff"_s));
    EXPECT_TRUE(Found().contains(u"Skins/Heads/Faces/face.cmx"_s));
}
