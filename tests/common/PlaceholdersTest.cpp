#include "common/Placeholders.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(Placeholders, ReplacesEveryOccurrenceInAnyCaseAndNothingElse) {
    EXPECT_EQ(ReplacePlaceholder(u"{{FileName}} and {{FILENAME}} and {{filename}}"_s, u"FileName",
                                 u"a.iff"_s),
              u"a.iff and a.iff and a.iff"_s);
    EXPECT_EQ(ReplacePlaceholder(u"{{Path}} {{Number}}"_s, u"Path", u"C:\\$1\\"_s),
              u"C:\\$1\\ {{Number}}"_s);
    // A name with regular-expression characters is matched literally.
    EXPECT_EQ(ReplacePlaceholder(u"{{a.*}} {{abc}}"_s, u"a.*", u"x"_s), u"x {{abc}}"_s);
    EXPECT_TRUE(HasPlaceholder(u"Copyright {{YEAR}}", u"Year"));
    EXPECT_FALSE(HasPlaceholder(u"Copyright {Year}", u"Year"));
}
