#include "common/PathRules.h"

#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PathRules, TrailingSeparatorAndBareName) {
    EXPECT_EQ(WithTrailingSeparator(QStringLiteral("/games/vocks")),
              QStringLiteral("/games/vocks/"));
    EXPECT_EQ(WithTrailingSeparator(QStringLiteral("C:\\Vocks\\")), QStringLiteral("C:\\Vocks\\"));
    EXPECT_EQ(WithTrailingSeparator(QString()), QString());
    EXPECT_EQ(BareFileName(QStringLiteral("C:\\a/b\\chair.iff")), QStringLiteral("chair.iff"));
    EXPECT_EQ(BareFileName(QStringLiteral("chair.iff")), QStringLiteral("chair.iff"));
    EXPECT_EQ(BareFileName(QStringLiteral("folder/")), QString());
}

TEST(PathRules, FindsExistingEntriesInAnyLetterCase) {
    QTemporaryDir root;
    ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("GameData/UserObjects")));
    QFile exe(root.filePath(QStringLiteral("Vocks.exe")));
    ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    exe.close();
    const QString base = root.path() + QLatin1Char('/');

    EXPECT_EQ(FindExistingCaseInsensitive(base + QStringLiteral("VOCKS.EXE")), exe.fileName());
    EXPECT_EQ(JoinCaseInsensitive(root.path(), QStringLiteral("gamedata\\userobjects\\")),
              base + QStringLiteral("GameData/UserObjects/"));
    // Missing components are kept as written, so a new folder gets the program's spelling.
    EXPECT_EQ(JoinCaseInsensitive(root.path(), QStringLiteral("GAMEDATA\\Skins\\")),
              base + QStringLiteral("GameData/Skins/"));
    EXPECT_TRUE(FindExistingCaseInsensitive(base + QStringLiteral("gamedata/skins")).isEmpty());
}
