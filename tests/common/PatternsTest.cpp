#include "common/DateTimePatterns.h"
#include "common/NumberPatterns.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
const QLocale English(QLocale::English, QLocale::UnitedStates);
const QLocale German(QLocale::German, QLocale::Germany);
const QDateTime Sample(QDate(2004, 5, 9), QTime(14, 5, 30));
} // namespace

TEST(DateTimePatterns, LocaleFormatsAndQuotedText) {
    EXPECT_EQ(FormatDateTimePattern(u"ddddd", Sample, English),
              English.toString(Sample.date(), QLocale::ShortFormat));
    EXPECT_EQ(FormatDateTimePattern(u"dddddd',' tt", Sample, English),
              English.toString(Sample.date(), QLocale::LongFormat) + QStringLiteral(", ") +
                  English.toString(Sample.time(), QLocale::LongFormat));
    EXPECT_EQ(FormatDateTimePattern(u"t", Sample, German), QStringLiteral("14:05"));
    EXPECT_EQ(FormatDateTimePattern(u"'at 'ddddd", Sample, German),
              QStringLiteral("at ") + German.toString(Sample.date(), QLocale::ShortFormat));
}

TEST(DateTimePatterns, UnclosedQuoteCopiesTheRest) {
    EXPECT_EQ(FormatDateTimePattern(u"'open", Sample, English), QStringLiteral("open"));
}

TEST(NumberPatterns, GroupingAndDecimalsFollowTheLocale) {
    EXPECT_EQ(FormatNumberPattern(1234567, u"#,##0", English), QStringLiteral("1,234,567"));
    EXPECT_EQ(FormatNumberPattern(1234567, u"#,##0", German), QStringLiteral("1.234.567"));
    EXPECT_EQ(FormatNumberPattern(1234.5, u"#,##0.##", English), QStringLiteral("1,234.5"));
    EXPECT_EQ(FormatNumberPattern(1234, u"#,##0.##", German), QStringLiteral("1.234"));
    EXPECT_EQ(FormatNumberPattern(1234.567, u"#0.00", German), QStringLiteral("1234,57"));
    EXPECT_EQ(FormatNumberPattern(0.5, u"#0.00", English), QStringLiteral("0.50"));
}
