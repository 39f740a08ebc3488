#include "hood/THoodDetails.h"

#include "support/QtPrinters.h"

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// Whether the location value is drawn in the marking colours.
bool LooksMarked(const THoodDetails& details) {
    const auto* label = details.findChild<QLabel*>(u"LocationValue"_s);
    const QPalette system = QApplication::palette();
    return label->autoFillBackground() &&
           label->palette().color(QPalette::Window) == system.color(QPalette::WindowText) &&
           label->palette().color(QPalette::WindowText) == system.color(QPalette::Button);
}
} // namespace

TEST(THoodDetails, MarkingReversesTheLabelColoursUntilItsTimeRunsOutOrItIsTurnedOff) {
    THoodDetails details;
    details.show();
    details.SetMarkLabels(true);
    EXPECT_TRUE(LooksMarked(details));
    details.SetMarkLabels(false);
    EXPECT_FALSE(LooksMarked(details));
    EXPECT_EQ(details.findChild<QLabel*>(u"LocationValue"_s)->palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Window));

    details.SetMarkLabelTime(0.05);
    details.SetMarkLabelTime(-1); // ignored: the 50 ms stand
    details.SetMarkLabels(true);
    EXPECT_TRUE(LooksMarked(details));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !details.MarkLabels(); }, 5000));
    EXPECT_FALSE(LooksMarked(details));
}
