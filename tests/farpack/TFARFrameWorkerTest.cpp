#include "farpack/TFARFrame.h"
#include "support/OwnProgramFolder.h"
#include "support/ScriptedInteraction.h"

#include <QTimer>

#include <gtest/gtest.h>

using TFARFrameWorkerTest = OwnProgramFolderTest;

// The list is read on a worker while the window's events go on (the list itself is checked
// with the tab's other tests).
TEST_F(TFARFrameWorkerTest, TheFarTabReadsItsListWhileTheWindowsEventsGoOn) {
    ScriptedInteraction user;
    TFARFrame frame(user);
    frame.SetVocksPath(FFolder.Path());
    bool turned = false;
    QTimer::singleShot(0, &frame, [&turned] { turned = true; });
    frame.FillList();
    EXPECT_TRUE(turned);
}
