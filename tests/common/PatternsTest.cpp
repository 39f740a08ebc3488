#include "common/DateTimePatterns.h"
#include "common/NumberPatterns.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
const QDateTime Sample(QDate(2004, 5, 9), QTime(14, 5, 30));
} // namespace

TEST(DateTimePatterns, LocaleFormatsAndQuotedText) {
    EXPECT_EQ(FormatDateTimePattern(u"ddddd", Sample, English),
              English.toString(Sample.date(), QLocale::ShortFormat));
    // The long time leaves out the locale's time zone.
    EXPECT_EQ(FormatDateTimePattern(u"dddddd',' tt", Sample, English),
              u"Sunday, May 9, 2004, 2:05:30 PM"_s);
    EXPECT_EQ(FormatDateTimePattern(u"tt", Sample, German), u"14:05:30"_s);
    EXPECT_EQ(FormatDateTimePattern(u"t", Sample, German), u"14:05"_s);
    EXPECT_EQ(FormatDateTimePattern(u"'at 'ddddd", Sample, German),
              u"at "_s + German.toString(Sample.date(), QLocale::ShortFormat));
    // An unclosed quote copies the rest.
    EXPECT_EQ(FormatDateTimePattern(u"'open", Sample, English), u"open"_s);
}

// One formatter for a whole list: each day and time is its own, also after another.
TEST(DateTimePatterns, AFormatterGivesEachValueItsOwnDayAndTime) {
    DateTimePatternFormatter formatter(u"ddddd t", German);
    const struct {
        QDateTime Value;
        const char* Text;
    } cases[] = {
        {QDateTime(QDate(2004, 5, 9), QTime(14, 5, 30, 250)), "09.05.04 14:05"},
        {QDateTime(QDate(2004, 5, 9), QTime(14, 6)), "09.05.04 14:06"},
        {QDateTime(QDate(2004, 5, 10), QTime(14, 5, 30, 900)), "10.05.04 14:05"},
        {QDateTime(QDate(2004, 5, 9), QTime(0, 0)), "09.05.04 00:00"},
        {QDateTime(), " "},
        {QDateTime(QDate(2004, 5, 9), QTime(14, 5, 30, 250)), "09.05.04 14:05"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(formatter.Format(test.Value).toStdString(), test.Text);
}

TEST(NumberPatterns, GroupingAndDecimalsFollowTheLocale) {
    const struct {
        double Value;
        const char16_t* Pattern;
        const QLocale& Locale;
        const char* Text;
    } cases[] = {
        {1234567, u"#,##0", English, "1,234,567"}, {1234567, u"#,##0", German, "1.234.567"},
        {1234.5, u"#,##0.##", English, "1,234.5"}, {1234, u"#,##0.##", German, "1.234"},
        {1234.567, u"#0.00", German, "1234,57"},   {0.5, u"#0.00", English, "0.50"},
    };
    for (const auto& test : cases)
        EXPECT_EQ(FormatNumberPattern(test.Value, test.Pattern, test.Locale).toStdString(),
                  test.Text);
}
