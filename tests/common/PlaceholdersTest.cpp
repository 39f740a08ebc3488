#include "common/Placeholders.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(Placeholders, ReplacesEveryOccurrenceInAnyCaseAndNothingElse) {
    EXPECT_EQ(ReplacePlaceholder(QStringLiteral("{{FileName}} and {{FILENAME}} and {{filename}}"),
                                 u"FileName", QStringLiteral("a.iff")),
              QStringLiteral("a.iff and a.iff and a.iff"));
    EXPECT_EQ(ReplacePlaceholder(QStringLiteral("{{Path}} {{Number}}"), u"Path",
                                 QStringLiteral("C:\\$1\\")),
              QStringLiteral("C:\\$1\\ {{Number}}"));
    // A name with regular-expression characters is matched literally.
    EXPECT_EQ(ReplacePlaceholder(QStringLiteral("{{a.*}} {{abc}}"), u"a.*", QStringLiteral("x")),
              QStringLiteral("x {{abc}}"));
    EXPECT_TRUE(HasPlaceholder(u"Copyright {{YEAR}}", u"Year"));
    EXPECT_FALSE(HasPlaceholder(u"Copyright {Year}", u"Year"));
}
