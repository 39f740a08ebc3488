#include "common/TsvField.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(TsvField, EscapesWhatWouldSplitALineAndReadsItBack) {
    struct Case {
        QString Text;
        QString Field;
    };
    const Case cases[] = {
        {u"plain name.iff"_s, u"plain name.iff"_s},
        {u"a\tb"_s, u"a\\tb"_s},
        {u"line\r\nbreak"_s, u"line\\r\\nbreak"_s},
        {u"C:\\Vocks\\t.iff"_s, u"C:\\\\Vocks\\\\t.iff"_s},
        {u"\\"_s, u"\\\\"_s},
        {QString(), QString()},
        // A stray byte of a path, and a character whose low half only looks like one.
        {u"caf\xDCE9\\.iff"_s, u"caf\\xE9\\\\.iff"_s},
        {u"\U00010080"_s, u"\U00010080"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TsvField(c.Text), c.Field);
        EXPECT_EQ(TsvFieldText(c.Field), c.Text) << c.Field.toStdString();
    }
}

TEST(TsvField, AFieldWithAnUnknownOrCutEscapeIsNoText) {
    // \x stands only for a byte that is not text, with two digits.
    for (const QString& field :
         {u"a\\x"_s, u"ends in \\"_s, u"\\T"_s, u"\\x41"_s, u"\\xE"_s, u"\\x+E"_s, u"\\xG0"_s})
        EXPECT_FALSE(TsvFieldText(field).has_value()) << field.toStdString();
}
