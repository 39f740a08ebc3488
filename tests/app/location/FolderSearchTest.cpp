#include "app/location/FolderSearch.h"

#include "support/OrdinaryUser.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
class FolderSearchTest : public TempFolderTest {
protected:
    QString Root() const { return FFolder.Path() + u'/'; }
    void Place(const QString& relativePath) const { FFolder.Write(relativePath, "MZ"); }
    void MakeFolder(const QString& relativePath) const {
        EXPECT_TRUE(QDir().mkpath(Root() + relativePath));
    }
    QStringList Search(const QStringList& roots, QStringList* visited = nullptr) const {
        return SearchFolderTrees(roots, u"Vocks.exe"_s, [&](const QString& folder) {
            if (visited != nullptr)
                visited->append(folder);
        });
    }
};
} // namespace

TEST_F(FolderSearchTest, SearchesEachTreeBreadthFirstInAnyLetterCase) {
    Place(u"c/deep/er/vocks.EXE"_s);
    Place(u"c/Games/Vocks.exe"_s);
    Place(u"c/VOCKS.EXE"_s);
    Place(u"d/Vocks/Vocks.exe"_s);
    MakeFolder(u"c/Games/Vocks.exe.d"_s);

    QStringList visited;
    const QStringList hits = Search({Root() + u"c/"_s, Root() + u"d/"_s}, &visited);

    EXPECT_EQ(hits,
              QStringList({Root() + u"c/VOCKS.EXE"_s, Root() + u"c/Games/Vocks.exe"_s,
                           Root() + u"c/deep/er/vocks.EXE"_s, Root() + u"d/Vocks/Vocks.exe"_s}));
    EXPECT_EQ(visited.first(), Root() + u"c/"_s);
    EXPECT_EQ(visited.mid(1, 2), QStringList({Root() + u"c/deep/"_s, Root() + u"c/Games/"_s}));
    EXPECT_TRUE(visited.contains(Root() + u"d/Vocks/"_s));
}

TEST_F(FolderSearchTest, PassesOverHiddenFoldersButNotHiddenFiles) {
    Place(u".hidden/Vocks.exe"_s);
    Place(u"shown/.config/Vocks.exe"_s);
    EXPECT_TRUE(Search({Root()}).isEmpty());
    EXPECT_EQ(FindMatchingFiles(Root(), u".hidden"_s), QStringList());
    Place(u".profile"_s);
    EXPECT_EQ(FindMatchingFiles(Root(), u".PROFILE"_s), QStringList({Root() + u".profile"_s}));
}

TEST_F(FolderSearchTest, FollowsNoLinksSoLoopsAndRepeatsEndAtOnce) {
    Place(u"game/Vocks.exe"_s);
    ASSERT_TRUE(QFile::link(Root() + u"game"_s, Root() + u"game/loop"_s));
    ASSERT_TRUE(QFile::link(u"/"_s, Root() + u"game/everything"_s));
    MakeFolder(u"other"_s);
    ASSERT_TRUE(QFile::link(Root() + u"nowhere"_s, Root() + u"other/vocks.exe"_s));

    QStringList visited;
    const QStringList hits = Search({Root(), Root() + u"game/"_s, Root()}, &visited);

    EXPECT_EQ(hits, QStringList({Root() + u"game/Vocks.exe"_s}));
    EXPECT_EQ(visited.size(), 4); // root, game, other, and game again as its own tree
}

TEST_F(FolderSearchTest, PassesOverFoldersItCannotRead) {
    Place(u"locked/Vocks.exe"_s);
    Place(u"open/Vocks.exe"_s);
    HandToOrdinaryUser(FFolder.Path());
    const QString locked = Root() + u"locked"_s;
    QFile::setPermissions(locked, QFileDevice::Permissions());
    QStringList hits;
    {
        AsOrdinaryUser user;
        hits = Search({Root(), Root() + u"missing/"_s});
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(hits, QStringList({Root() + u"open/Vocks.exe"_s}));
}
