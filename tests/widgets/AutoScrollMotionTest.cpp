#include "widgets/AutoScrollMotion.h"

#include <QList>

#include <gtest/gtest.h>

#include <climits>

namespace {
// A motion with the given extents whose every position is recorded as it is taken.
struct RecordedMotion {
    explicit RecordedMotion(int text, int view, bool bounce = false) {
        Motion.SetBounce(bounce);
        Motion.SetExtents(text, view);
        QObject::connect(&Motion, &AutoScrollMotion::Changed,
                         [this] { Taken.append(Motion.Position()); });
        QObject::connect(&Motion, &AutoScrollMotion::PauseStarted, [this] { ++Pauses; });
    }
    AutoScrollMotion Motion;
    QList<int> Taken;
    int Pauses = 0;
};
} // namespace

TEST(AutoScrollMotion, RunsTheTextThroughTheViewThenWrapsAndPauses) {
    RecordedMotion strip(100, 17);
    EXPECT_EQ(strip.Motion.TextOffset(), 17) << "position 0 puts the text at the far edge";
    for (int step = 0; step < 117; ++step)
        strip.Motion.Step();
    EXPECT_EQ(strip.Motion.TextOffset(), -100) << "the end moves the text fully out";
    EXPECT_EQ(strip.Pauses, 0);
    strip.Motion.Step();
    EXPECT_EQ(strip.Taken.last(2), (QList<int>{117, 0})) << "held at the end, then wrapped";
    EXPECT_EQ(strip.Pauses, 1);
    EXPECT_EQ(strip.Motion.StepInterval(), 1000);
    strip.Motion.Continue();
    EXPECT_EQ(strip.Motion.StepInterval(), 25);
}

TEST(AutoScrollMotion, BounceTurnsAtBothEndsOfALongTextAndKeepsAShortOneStill) {
    RecordedMotion longText(30, 10, true);
    longText.Motion.SetPauseTime(0);
    longText.Motion.SetSpeed(8);
    for (int step = 0; step < 10; ++step)
        longText.Motion.Step();
    EXPECT_EQ(longText.Taken, (QList<int>{8, 16, 20, 20, 12, 4, 0, 0, 8, 16}));
    EXPECT_EQ(longText.Motion.TextOffset(), -16);

    RecordedMotion shortText(10, 30, true);
    shortText.Motion.SetPauseTime(0);
    shortText.Motion.SetPosition(12);
    QList<int> directions;
    for (int step = 0; step < 3; ++step) {
        shortText.Motion.Step();
        directions.append(shortText.Motion.Direction());
    }
    EXPECT_EQ(directions, (QList<int>{-1, 1, -1}));
    EXPECT_EQ(shortText.Taken, (QList<int>{0, 0, 0, 0}));
    EXPECT_EQ(shortText.Motion.TextOffset(), 0);
}

TEST(AutoScrollMotion, KeepsRequestsWithinTheLimitsAndRunsBackwardsOnNegativeSpeed) {
    RecordedMotion strip(100, 17);
    strip.Motion.SetPosition(-3);
    strip.Motion.SetPosition(500);
    strip.Motion.SetSpeed(INT_MAX);
    strip.Motion.Step();
    EXPECT_EQ(strip.Taken, (QList<int>{0, 117, 117, 0}));

    strip.Motion.Continue();
    strip.Taken.clear();
    strip.Motion.SetSpeed(-5);
    strip.Motion.SetPosition(7);
    for (int step = 0; step < 3; ++step)
        strip.Motion.Step();
    EXPECT_EQ(strip.Taken, (QList<int>{7, 2, 0, 0, 117})) << "a step held at 0 still reports";
}

TEST(AutoScrollMotion, AsksBeforeEveryMoveAndARefusalKeepsThePosition) {
    RecordedMotion strip(100, 17);
    strip.Motion.SetPosition(40);
    QList<int> asked;
    QObject::connect(&strip.Motion, &AutoScrollMotion::CanChange, [&](int position, bool& allow) {
        asked.append(position);
        allow = false;
    });
    strip.Motion.SetPosition(-8);
    strip.Motion.Step();
    EXPECT_EQ(asked, (QList<int>{0, 41, 0})) << "a refused step wraps, which asks again";
    EXPECT_EQ(strip.Motion.Position(), 40);
    EXPECT_EQ(strip.Pauses, 1);
}

TEST(AutoScrollMotion, AnOwnerMayMoveTheTextElsewhereWhileRefusingAStep) {
    RecordedMotion strip(100, 17);
    strip.Motion.SetSpeed(26);
    strip.Motion.SetPosition(93);
    QObject::connect(&strip.Motion, &AutoScrollMotion::CanChange, [&](int position, bool& allow) {
        allow = position <= strip.Motion.ScrollLength() - 13;
        if (!allow)
            strip.Motion.SetPosition(15);
    });
    strip.Motion.Step();
    EXPECT_EQ(strip.Motion.Position(), 15);
    EXPECT_EQ(strip.Pauses, 0) << "the position changed, so nothing wraps";
}

TEST(AutoScrollMotion, APauseKeepsItsLengthWhateverIsSetMeanwhile) {
    RecordedMotion strip(100, 17);
    QList<int> intervals;
    QObject::connect(&strip.Motion, &AutoScrollMotion::StepIntervalChanged,
                     [&](int interval) { intervals.append(interval); });
    strip.Motion.SetPauseTime(3500);
    EXPECT_EQ(strip.Motion.StepInterval(), 25) << "a pause time waits for the next pause";
    strip.Motion.Pause();
    strip.Motion.SetPauseTime(200);
    strip.Motion.SetInterval(80);
    EXPECT_EQ(strip.Motion.StepInterval(), 3500);
    strip.Motion.Continue();
    EXPECT_EQ(intervals, (QList<int>{3500, 80}));
    strip.Motion.SetPauseTime(0);
    strip.Motion.Pause();
    EXPECT_FALSE(strip.Motion.Paused()) << "no pause without a pause time";
}
