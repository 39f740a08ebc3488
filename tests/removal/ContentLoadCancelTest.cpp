#include "formats/InstalledFilesDb.h"
#include "removal/ContentLoad.h"
#include "support/EnglishLanguage.h"
#include "support/ScriptedInteraction.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Cancel pressed once the walk has listed the folder stops the load before it sorts a file or
// reads an archive, and the broken archive it never read is named to no one.
TEST(ContentLoadCancelTest, StopsBeforeTheNextFileAndWarnsOfNothing) {
    TempFolder folder;
    folder.Write(u"Home/QuarnFiles.iff"_s, BuildStringChunksFile({{100, "GameData\\Shipped.iff"}}));
    for (const QString& name : {u"a"_s, u"b"_s, u"c"_s})
        folder.Write(u"Game/GameData/Objects/"_s + name + u".iff"_s, "custom");
    folder.Write(u"Game/Downloads/broken.far"_s, "not an archive");
    ScriptedInteraction user;
    user.CancelAtPercent(60);
    const std::unique_ptr<ProgressHandle> progress = user.BeginProgress(QString());
    InstalledFilesDb db;
    const EnglishLanguage language;

    const FoundContent found = LoadFoundContent(folder.Path(u"Game"_s), folder.Path(u"Home"_s), db,
                                                user, language, progress.get());

    EXPECT_TRUE(found.Cancelled);
    EXPECT_TRUE(found.List(FoundListId::ObjectsInObjects).isEmpty());
    EXPECT_TRUE(found.List(FoundListId::FarArchives).isEmpty());
    EXPECT_TRUE(user.Messages().isEmpty());
}
