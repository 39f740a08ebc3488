#include "common/PathRules.h"

#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PathRules, TrailingSeparatorAndBareName) {
    EXPECT_EQ(WithTrailingSeparator(u"/games/vocks"_s), u"/games/vocks/"_s);
    EXPECT_EQ(WithTrailingSeparator(u"C:\\Vocks\\"_s), u"C:\\Vocks\\"_s);
    EXPECT_EQ(WithTrailingSeparator(QString()), QString());
    EXPECT_EQ(BareFileName(u"C:\\a/b\\chair.iff"_s), u"chair.iff"_s);
    EXPECT_EQ(BareFileName(u"chair.iff"_s), u"chair.iff"_s);
    EXPECT_EQ(BareFileName(u"folder/"_s), QString());
}

TEST(PathRules, FindsExistingEntriesInAnyLetterCase) {
    TempFolder root;
    const QString exe = root.Write(u"Vocks.exe"_s, "MZ");
    ASSERT_TRUE(QDir(root.Path()).mkpath(u"GameData/UserObjects"_s));
    const QString base = root.Path() + QLatin1Char('/');

    EXPECT_EQ(FindExistingCaseInsensitive(base + u"VOCKS.EXE"_s), exe);
    EXPECT_EQ(JoinCaseInsensitive(root.Path(), u"gamedata\\userobjects\\"_s),
              base + u"GameData/UserObjects/"_s);
    // Missing components are kept as written, so a new folder gets the program's spelling.
    EXPECT_EQ(JoinCaseInsensitive(root.Path(), u"GAMEDATA\\Skins\\"_s),
              base + u"GameData/Skins/"_s);
    EXPECT_TRUE(FindExistingCaseInsensitive(base + u"gamedata/skins"_s).isEmpty());
}
