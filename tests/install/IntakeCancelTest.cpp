#include "install/FileIntake.h"
#include "support/EnglishLanguage.h"
#include "support/ScriptedInteraction.h"
#include "support/TempFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Cancel pressed once every file is read stops the intake before it judges the first bitmap,
// so the broken one is never asked about, and leaves the temporary folder empty.
TEST(IntakeCancelTest, CancelBeforeTheBitmapsAreJudgedAsksNothingAndEmptiesTheTempFolder) {
    TempFolder folder;
    const QString bitmap = folder.Write(u"dl/wall.bmp"_s, "not a bitmap");
    folder.Write(u"temp/extracted.iff"_s, "left from the archives");
    ScriptedInteraction user;
    user.CancelAtPercent(90);
    const EnglishLanguage language;
    FileIntake intake(user, language, PackFlags{}, folder.Path(u"temp"_s));

    intake.SelectFiles({bitmap});
    EXPECT_TRUE(intake.Cancelled());
    EXPECT_TRUE(user.Messages().isEmpty());
    EXPECT_TRUE(QDir(folder.Path(u"temp"_s)).isEmpty());
}
