#include "app/location/WinePrefix.h"

#include "app/location/SearchRoots.h"
#include "app/ShellSandbox.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

TEST(WinePrefix, ListsTheDrivesWhoseLinksLeadToAFolder) {
    ShellSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.Path(QStringLiteral("games"))));
    sandbox.LinkDrive(QStringLiteral("D:"), QStringLiteral("../../games"));
    sandbox.LinkDrive(QStringLiteral("e:"), sandbox.Path(QStringLiteral("no-disc")));
    sandbox.LinkDrive(QStringLiteral("d::"), QStringLiteral("/dev/null"));
    sandbox.LinkDrive(QStringLiteral("com1"), QStringLiteral("/dev/ttyS0"));

    const QList<WineDrive> drives = WinePrefix::FromEnvironment().Drives();
    ASSERT_EQ(drives.size(), 3);
    EXPECT_EQ(drives[0].Letter, u'c');
    EXPECT_EQ(drives[0].Folder, QDir(sandbox.DriveC()).canonicalPath());
    EXPECT_EQ(drives[1].Letter, u'd');
    EXPECT_EQ(drives[1].Folder, QDir(sandbox.Path(QStringLiteral("games"))).canonicalPath());
    EXPECT_EQ(drives[2].Letter, u'z');
    EXPECT_EQ(drives[2].Folder, QDir::rootPath());
}

TEST(WinePrefix, MapsWindowsPathsThroughItsDrivesInAnyLetterCase) {
    ShellSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.DriveC() + QStringLiteral("/program files/QUARN/The Vocks")));
    const WinePrefix prefix = WinePrefix::FromEnvironment();
    const QString drive = QDir(sandbox.DriveC()).canonicalPath();

    EXPECT_EQ(prefix.LocalPath(QStringLiteral("c:\\Program Files\\Quarn\\the vocks\\")),
              drive + QStringLiteral("/program files/QUARN/The Vocks"));
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("C:\\Games\\New")),
              drive + QStringLiteral("/Games/New"));
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("C:\\")), drive);
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("Z:\\tmp")), QStringLiteral("/tmp"));
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("Q:\\Vocks")), QString());
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("C:\\..\\..\\etc")), QString());
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("\\\\server\\share\\Vocks")), QString());
    EXPECT_EQ(prefix.LocalPath(QStringLiteral("Vocks")), QString());
    EXPECT_EQ(prefix.LocalPath(QString()), QString());
}

TEST(WinePrefix, WithoutWineprefixIsTheHomeFoldersDotWine) {
    ShellSandbox sandbox;
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(WinePrefix::FromEnvironment().Folder(), sandbox.Home() + QStringLiteral("/.wine"));
}

TEST(WineSearchRoots, AreTheDrivesExceptTheWholeFileSystemThenHomeEachOnce) {
    ShellSandbox sandbox;
    sandbox.LinkDrive(QStringLiteral("h:"), sandbox.Home());
    sandbox.LinkDrive(QStringLiteral("y:"), QStringLiteral("../drive_c"));

    EXPECT_EQ(VocksSearchRoots(), QStringList({QDir(sandbox.DriveC()).canonicalPath() + u'/',
                                               QDir(sandbox.Home()).canonicalPath() + u'/'}));
}
