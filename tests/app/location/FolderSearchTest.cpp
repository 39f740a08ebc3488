#include "app/location/FolderSearch.h"

#include "app/OrdinaryUser.h"
#include "support/FileFixtures.h"
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class FolderSearchTest : public ::testing::Test {
protected:
    QString Root() const { return FRoot.path() + u'/'; }
    void Place(const QString& relativePath) const {
        EXPECT_TRUE(WriteFixtureFile(Root() + relativePath, "MZ"));
    }
    void MakeFolder(const QString& relativePath) const {
        EXPECT_TRUE(QDir().mkpath(Root() + relativePath));
    }
    QStringList Search(const QStringList& roots, QStringList* visited = nullptr) const {
        return SearchFolderTrees(roots, QStringLiteral("Vocks.exe"), [&](const QString& folder) {
            if (visited != nullptr)
                visited->append(folder);
        });
    }

    QTemporaryDir FRoot;
};
} // namespace

TEST_F(FolderSearchTest, SearchesEachTreeBreadthFirstInAnyLetterCase) {
    Place(QStringLiteral("c/deep/er/vocks.EXE"));
    Place(QStringLiteral("c/Games/Vocks.exe"));
    Place(QStringLiteral("c/VOCKS.EXE"));
    Place(QStringLiteral("d/Vocks/Vocks.exe"));
    MakeFolder(QStringLiteral("c/Games/Vocks.exe.d"));

    QStringList visited;
    const QStringList hits =
        Search({Root() + QStringLiteral("c/"), Root() + QStringLiteral("d/")}, &visited);

    EXPECT_EQ(hits, QStringList({Root() + QStringLiteral("c/VOCKS.EXE"),
                                 Root() + QStringLiteral("c/Games/Vocks.exe"),
                                 Root() + QStringLiteral("c/deep/er/vocks.EXE"),
                                 Root() + QStringLiteral("d/Vocks/Vocks.exe")}));
    EXPECT_EQ(visited.first(), Root() + QStringLiteral("c/"));
    EXPECT_EQ(visited.mid(1, 2), QStringList({Root() + QStringLiteral("c/deep/"),
                                              Root() + QStringLiteral("c/Games/")}));
    EXPECT_TRUE(visited.contains(Root() + QStringLiteral("d/Vocks/")));
}

TEST_F(FolderSearchTest, PassesOverHiddenFoldersButNotHiddenFiles) {
    Place(QStringLiteral(".hidden/Vocks.exe"));
    Place(QStringLiteral("shown/.config/Vocks.exe"));
    EXPECT_TRUE(Search({Root()}).isEmpty());
    EXPECT_EQ(FindMatchingFiles(Root(), QStringLiteral(".hidden")), QStringList());
    Place(QStringLiteral(".profile"));
    EXPECT_EQ(FindMatchingFiles(Root(), QStringLiteral(".PROFILE")),
              QStringList({Root() + QStringLiteral(".profile")}));
}

TEST_F(FolderSearchTest, FollowsNoLinksSoLoopsAndRepeatsEndAtOnce) {
    Place(QStringLiteral("game/Vocks.exe"));
    ASSERT_TRUE(QFile::link(Root() + QStringLiteral("game"), Root() + QStringLiteral("game/loop")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/"), Root() + QStringLiteral("game/everything")));
    MakeFolder(QStringLiteral("other"));
    ASSERT_TRUE(QFile::link(Root() + QStringLiteral("nowhere"),
                            Root() + QStringLiteral("other/vocks.exe")));

    QStringList visited;
    const QStringList hits = Search({Root(), Root() + QStringLiteral("game/"), Root()}, &visited);

    EXPECT_EQ(hits, QStringList({Root() + QStringLiteral("game/Vocks.exe")}));
    EXPECT_EQ(visited.size(), 4); // root, game, other, and game again as its own tree
}

TEST_F(FolderSearchTest, PassesOverFoldersItCannotRead) {
    Place(QStringLiteral("locked/Vocks.exe"));
    Place(QStringLiteral("open/Vocks.exe"));
    HandToOrdinaryUser(FRoot.path());
    const QString locked = Root() + QStringLiteral("locked");
    QFile::setPermissions(locked, QFileDevice::Permissions());
    QStringList hits;
    {
        AsOrdinaryUser user;
        hits = Search({Root(), Root() + QStringLiteral("missing/")});
    }
    QFile::setPermissions(locked,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(hits, QStringList({Root() + QStringLiteral("open/Vocks.exe")}));
}
