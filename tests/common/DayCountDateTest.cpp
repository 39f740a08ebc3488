#include "common/DayCountDate.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace Qt::StringLiterals;

namespace {
// Local time follows TZ while this lives; the C library rereads it on tzset, and so does Qt.
class LocalTimeZone {
public:
    explicit LocalTimeZone(const char* zone) : FOld(qgetenv("TZ")) { Set(zone); }
    ~LocalTimeZone() { Set(FOld.isNull() ? nullptr : FOld.constData()); }

private:
    static void Set(const char* zone) {
        zone ? qputenv("TZ", zone) : qunsetenv("TZ");
        tzset();
    }
    QByteArray FOld;
};

// A day count and the local wall-clock time it stands for.
struct DayCountCase {
    double Days;
    const char* Local;
};

void ExpectBothWays(const DayCountCase& test) {
    EXPECT_EQ(FromDayCount(test.Days).toString(Qt::ISODate).toStdString(), test.Local) << test.Days;
    EXPECT_EQ(DayCountIsoText(test.Days).toStdString(), test.Local) << test.Days;
    const QDateTime local = QDateTime::fromString(QLatin1String(test.Local), Qt::ISODate);
    EXPECT_DOUBLE_EQ(ToDayCount(local), test.Days) << test.Local;
}
} // namespace

TEST(DayCountDate, KnownDaysBothWays) {
    const DayCountCase cases[] = {
        {0.0, "1899-12-30T00:00:00"},
        {2.75, "1900-01-01T18:00:00"},
        {38116.5, "2004-05-09T12:00:00"},
        // Before day zero the fraction still gives the time of day.
        {-1.25, "1899-12-29T06:00:00"},
    };
    for (const DayCountCase& test : cases)
        ExpectBothWays(test);
    // A fraction a hair short of a day is the next midnight, not an invalid time.
    EXPECT_EQ(FromDayCount(1 - 1e-12).toString(Qt::ISODate), u"1899-12-31T00:00:00"_s);
}

TEST(DayCountDate, TimeOfDayIsWallClockTimeOnDaylightSavingChangeDays) {
    const LocalTimeZone berlin("Europe/Berlin");
    // Clocks went from 02:00 to 03:00 on 31 March 2024 and from 03:00 back to 02:00 on
    // 27 October 2024: times after the change must not shift by the hour.
    const DayCountCase cases[] = {
        {45382.5, "2024-03-31T12:00:00"},
        {45382.78125, "2024-03-31T18:45:00"},
        {45592.125, "2024-10-27T03:00:00"},
        {45592.5, "2024-10-27T12:00:00"},
    };
    for (const DayCountCase& test : cases)
        ExpectBothWays(test);
}

TEST(DayCountDate, RoundTripKeepsMilliseconds) {
    const QDateTime now(QDate(2026, 12, 6), QTime(21, 59, 58, 123));
    const std::optional<double> parsed = ParseDayCount(FormatDayCount(ToDayCount(now)));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(FromDayCount(*parsed), now);
}

TEST(DayCountDate, SpacesAreTrimmedAndTextThatIsNoNumberOrNoDateIsRefused) {
    for (const char16_t* text : {u"", u"yesterday", u"1.2.3", u"nan", u"inf"})
        EXPECT_FALSE(ParseDayCount(text)) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(ParseDayCount(u" 2,75 "), 2.75);
    EXPECT_FALSE(FromDayCount(1e300).isValid());
    EXPECT_EQ(DayCountIsoText(1e300), QString());
}
