#include "widgets/TAutoScroll.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTimer>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QStringList ThreeMessages = {u"First message"_s, QString(), u"Second message"_s, QString(),
                                   u"Third message"_s};

// A vertical strip without bevels, so the inner panel is the whole component.
class TAutoScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        QCursor::setPos(-1000, -1000);
        Scroll.SetBevelOuter(TPanelBevel::None);
        Scroll.SetOrientation(OrientOpts::asVertical);
        Scroll.resize(300, 17);
        Scroll.SetLines(ThreeMessages);
        Scroll.show();
    }
    QLabel* Text() const { return Scroll.findChild<QLabel*>(u"MovingText"_s); }
    QTimer* StepTimer() const { return Scroll.findChild<QTimer*>(u"StepTimer"_s); }
    void SendMouse(QEvent::Type type, Qt::MouseButton button, QPoint inText) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
        QMouseEvent event(type, inText, Text()->mapToGlobal(inText), button, held, Qt::NoModifier);
        QApplication::sendEvent(Text(), &event);
    }
    void Drag(Qt::MouseButton button, QPoint from, QPoint to) {
        SendMouse(QEvent::MouseButtonPress, button, from);
        SendMouse(QEvent::MouseMove, button, to);
        SendMouse(QEvent::MouseButtonRelease, button, to);
    }

    TAutoScroll Scroll;
};
} // namespace

TEST_F(TAutoScrollTest, TextEntersAtTheBottomEdgeAndRisesOnePixelPerStep) {
    EXPECT_EQ(Text()->text(), ThreeMessages.join(QLatin1Char('\n')));
    EXPECT_EQ(Text()->y(), 17);
    EXPECT_EQ(Text()->x(), 1);
    for (int step = 0; step < 3; ++step)
        Scroll.DoScroll();
    EXPECT_EQ(Text()->y(), 14);
}

TEST_F(TAutoScrollTest, CentredLinesFollowTheWidthAndWrapUntilTurnedHorizontal) {
    Scroll.SetAlignment(ScrollAlignment::Centre);
    Scroll.resize(600, 17);
    EXPECT_NEAR(Text()->geometry().center().x(), 300, 1);
    EXPECT_EQ(Text()->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    Scroll.SetWordWrap(true);
    Scroll.SetLines({u"a long line of credits that cannot fit into a narrow panel"_s});
    Scroll.resize(120, 113);
    const int oneLine = Text()->fontMetrics().height();
    EXPECT_EQ(Text()->width(), 120);
    EXPECT_GT(Text()->height(), 2 * oneLine);

    Scroll.SetOrientation(OrientOpts::asHorizontal);
    EXPECT_FALSE(Scroll.WordWrap());
    EXPECT_EQ(Text()->height(), oneLine);
    EXPECT_EQ(Text()->x(), 120 - Scroll.Position()) << "entering at the right edge";
    EXPECT_EQ(Text()->y(), 1);
    Scroll.SetLayout(ScrollLayout::Bottom);
    EXPECT_EQ(Text()->geometry().bottom(), 112);
}

TEST_F(TAutoScrollTest, HoldsWhileThePointerRestsOnItEdgesIncluded) {
    Scroll.move(100, 200);
    QCursor::setPos(Scroll.mapToGlobal(QPoint(299, 16)));
    Scroll.DoScroll();
    EXPECT_EQ(Scroll.Position(), 0);
    QCursor::setPos(Scroll.mapToGlobal(QPoint(300, 16)));
    Scroll.DoScroll();
    EXPECT_EQ(Scroll.Position(), 1);
    Scroll.SetHoldOnMouse(false);
    QCursor::setPos(Scroll.mapToGlobal(QPoint(5, 5)));
    Scroll.DoScroll();
    EXPECT_EQ(Scroll.Position(), 2);
}

TEST_F(TAutoScrollTest, StepTimerFollowsLoadingEnablingAndPauses) {
    TAutoScroll unloaded;
    unloaded.SetEnabled(true);
    EXPECT_FALSE(unloaded.findChild<QTimer*>(u"StepTimer"_s)->isActive());
    ASSERT_TRUE(StepTimer()->isActive());

    QSignalSpy paused(&Scroll, &TAutoScroll::OnPause);
    QSignalSpy continued(&Scroll, &TAutoScroll::OnContinue);
    Scroll.SetPosition(Scroll.ScrollLength());
    Scroll.DoScroll();
    EXPECT_EQ(paused.count(), 1);
    Scroll.ScrollAgain();
    EXPECT_EQ(continued.count(), 1);

    Scroll.SetStartPosition(9);
    Scroll.Disable();
    EXPECT_FALSE(StepTimer()->isActive());
    Scroll.SetPosition(30);
    Scroll.Enable();
    EXPECT_TRUE(StepTimer()->isActive());
    EXPECT_EQ(Scroll.Position(), 9);
}

TEST_F(TAutoScrollTest, LeftButtonDragsTheTextAndReportsEachStage) {
    Scroll.SetPosition(20);
    QSignalSpy started(&Scroll, &TAutoScroll::OnMouseDragStart);
    QSignalSpy moved(&Scroll, &TAutoScroll::OnMouseDragMove);
    QSignalSpy ended(&Scroll, &TAutoScroll::OnMouseDragEnd);
    int asked = 0;
    QObject::connect(&Scroll, &TAutoScroll::OnCanChange,
                     [&](TAutoScroll*, int, bool&) { ++asked; });
    QSignalSpy clicked(&Scroll, &TAutoScroll::OnClick);
    // Drag starts, moves, ends, steps asked for, clicks.
    const auto stages = [&] {
        return QList<int>{int(started.count()), int(moved.count()), int(ended.count()), asked,
                          int(clicked.count())};
    };

    SendMouse(QEvent::MouseButtonPress, Qt::LeftButton, {5, 10});
    Scroll.DoScroll();
    SendMouse(QEvent::MouseMove, Qt::LeftButton, {5, 4});
    EXPECT_EQ(Scroll.Position(), 26) << "dragged six pixels up, steps held";
    SendMouse(QEvent::MouseMove, Qt::LeftButton, {5, 18});
    EXPECT_EQ(Scroll.Position(), 18);
    SendMouse(QEvent::MouseButtonRelease, Qt::LeftButton, {5, 18});
    EXPECT_EQ(stages(), (QList<int>{1, 2, 1, 0, 1}));

    Drag(Qt::RightButton, {5, 10}, {5, 0});
    EXPECT_EQ(Scroll.Position(), 18);
    EXPECT_EQ(stages(), (QList<int>{1, 2, 1, 0, 1})) << "the right button neither drags nor clicks";

    Scroll.SetMouseDrag(false);
    Drag(Qt::LeftButton, {5, 10}, {5, 2});
    EXPECT_EQ(Scroll.Position(), 18);
    EXPECT_EQ(stages(), (QList<int>{1, 2, 1, 0, 2})) << "without dragging a press only clicks";
}
