#include "common/DayCountDate.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(DayCountDate, KnownDaysBothWays) {
    EXPECT_DOUBLE_EQ(ToDayCount(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(ToDayCount(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_EQ(FromDayCount(38116.5), QDateTime(QDate(2004, 5, 9), QTime(12, 0)));
    // Before day zero the fraction still gives the time of day.
    EXPECT_EQ(FromDayCount(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_DOUBLE_EQ(ToDayCount(QDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(DayCountDate, RoundTripKeepsMilliseconds) {
    const QDateTime now(QDate(2026, 12, 6), QTime(21, 59, 58, 123));
    const std::optional<double> parsed = ParseDayCount(FormatDayCount(ToDayCount(now)));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(FromDayCount(*parsed), now);
}

TEST(DayCountDate, SpacesAreTrimmedAndTextThatIsNoNumberOrNoDateIsRefused) {
    EXPECT_FALSE(ParseDayCount(u""));
    EXPECT_FALSE(ParseDayCount(u"yesterday"));
    EXPECT_FALSE(ParseDayCount(u"1.2.3"));
    EXPECT_FALSE(ParseDayCount(u"nan"));
    EXPECT_FALSE(ParseDayCount(u"inf"));
    EXPECT_FALSE(FromDayCount(1e300).isValid());
}
