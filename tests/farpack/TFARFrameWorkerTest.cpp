#include "farpack/TFARFrame.h"
#include "language/BuiltInEnglish.h"
#include "support/OwnProgramFolder.h"
#include "support/ScriptedInteraction.h"
#include "widgets/TTickTree.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

using TFARFrameWorkerTest = OwnProgramFolderTest;

// The list is read on a worker: the window's events go on meanwhile, and the list is there
// when the call returns.
TEST_F(TFARFrameWorkerTest, TheFarTabReadsItsListWhileTheWindowsEventsGoOn) {
    FFolder.Write(u"game/GameData/Objects/chair.iff"_s, "chair");
    ScriptedInteraction user;
    TFARFrame frame(user);
    frame.Language().SetDefaultLanguage(BuiltInEnglishLines());
    frame.SetVocksPath(FFolder.Path(u"game/"_s));
    bool turned = false;
    QTimer::singleShot(0, &frame, [&turned] { turned = true; });

    frame.FillList();

    EXPECT_TRUE(turned);
    EXPECT_TRUE(frame.isEnabled());
    const TickTreeModel& list = *frame.findChild<TTickTree*>(u"FARSelect"_s)->TickModel();
    EXPECT_EQ(list.findItems(u"chair.iff"_s, Qt::MatchRecursive).size(), 1);
}
