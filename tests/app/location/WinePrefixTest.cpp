#include "app/location/WinePrefix.h"

#include "app/location/SearchRoots.h"
#include "app/ShellSandbox.h"
#include "support/QtPrinters.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(WinePrefix, ListsTheDrivesWhoseLinksLeadToAFolder) {
    ShellSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.Path(u"games"_s)));
    sandbox.LinkDrive(u"D:"_s, u"../../games"_s);
    sandbox.LinkDrive(u"e:"_s, sandbox.Path(u"no-disc"_s));
    sandbox.LinkDrive(u"d::"_s, u"/dev/null"_s);
    sandbox.LinkDrive(u"com1"_s, u"/dev/ttyS0"_s);

    QStringList drives;
    for (const WineDrive& drive : WinePrefix::FromEnvironment().Drives())
        drives.append(QString(drive.Letter) + u"="_s + drive.Folder);
    EXPECT_EQ(drives, QStringList({u"c="_s + QDir(sandbox.DriveC()).canonicalPath(),
                                   u"d="_s + QDir(sandbox.Path(u"games"_s)).canonicalPath(),
                                   u"z="_s + QDir::rootPath()}));
}

TEST(WinePrefix, MapsWindowsPathsThroughItsDrivesInAnyLetterCase) {
    ShellSandbox sandbox;
    ASSERT_TRUE(QDir().mkpath(sandbox.DriveC() + u"/program files/QUARN/The Vocks"_s));
    const WinePrefix prefix = WinePrefix::FromEnvironment();
    const QString drive = QDir(sandbox.DriveC()).canonicalPath();

    EXPECT_EQ(prefix.LocalPath(u"c:\\Program Files\\Quarn\\the vocks\\"_s),
              drive + u"/program files/QUARN/The Vocks"_s);
    EXPECT_EQ(prefix.LocalPath(u"C:\\Games\\New"_s), drive + u"/Games/New"_s);
    EXPECT_EQ(prefix.LocalPath(u"C:\\"_s), drive);
    EXPECT_EQ(prefix.LocalPath(u"Z:\\tmp"_s), u"/tmp"_s);
    EXPECT_EQ(prefix.LocalPath(u"Q:\\Vocks"_s), QString());
    EXPECT_EQ(prefix.LocalPath(u"C:\\..\\..\\etc"_s), QString());
    EXPECT_EQ(prefix.LocalPath(u"\\\\server\\share\\Vocks"_s), QString());
    EXPECT_EQ(prefix.LocalPath(u"Vocks"_s), QString());
    EXPECT_EQ(prefix.LocalPath(QString()), QString());
}

TEST(WinePrefix, WithoutWineprefixIsTheHomeFoldersDotWine) {
    ShellSandbox sandbox;
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(WinePrefix::FromEnvironment().Folder(), sandbox.Home() + u"/.wine"_s);
}

TEST(WineSearchRoots, AreTheDrivesExceptTheWholeFileSystemThenHomeEachOnce) {
    ShellSandbox sandbox;
    sandbox.LinkDrive(u"h:"_s, sandbox.Home());
    sandbox.LinkDrive(u"y:"_s, u"../drive_c"_s);

    EXPECT_EQ(VocksSearchRoots(), QStringList({QDir(sandbox.DriveC()).canonicalPath() + u'/',
                                               QDir(sandbox.Home()).canonicalPath() + u'/'}));
}
