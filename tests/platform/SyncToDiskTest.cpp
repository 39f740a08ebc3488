#include "platform/SyncToDisk.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A commit waits on this: a vanished file needs nothing, anything else that cannot be
// reached is a failure, never a silent success.
TEST(SyncFilesToDisk, SyncsWhatStandsPassesOverWhatIsGoneAndFailsOnWhatCannotBeReached) {
    TempFolder folder;
    const auto at = [&](const QString& name) {
        return std::filesystem::path(folder.Path(name).toStdString());
    };
    folder.Write(u"a/one.iff"_s, "1");
    folder.Write(u"b/two.iff"_s, "2");
    EXPECT_TRUE(SyncFilesToDisk({}));
    EXPECT_TRUE(SyncFilesToDisk({at(u"a/one.iff"_s), at(u"b/two.iff"_s), at(u"gone.iff"_s)}));
    EXPECT_FALSE(SyncFilesToDisk({at(u"a/one.iff/under-a-file.iff"_s)}));
}
