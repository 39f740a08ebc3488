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
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TsvField(c.Text), c.Field);
        EXPECT_EQ(TsvFieldText(c.Field), c.Text) << c.Field.toStdString();
    }
}

TEST(TsvField, AFieldWithAnUnknownOrCutEscapeIsNoText) {
    for (const QString& field : {u"a\\x"_s, u"ends in \\"_s, u"\\T"_s})
        EXPECT_FALSE(TsvFieldText(field).has_value()) << field.toStdString();
}
