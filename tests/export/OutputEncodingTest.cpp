#include "export/OutputEncoding.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
struct EncodingCase {
    QString Name;
    QString Text;
    QByteArray Bytes;
};
} // namespace

TEST(OutputEncoding, WritesWhatTheEncodingLacksAsCharacterReferences) {
    const EncodingCase cases[] = {
        {u"UTF-8"_s, u"\u00e9\u20ac"_s, "\xc3\xa9\xe2\x82\xac"_ba},
        // Without an order in the name, the byte order mark tells it.
        {u"utf-16"_s, u"a\u20ac"_s,
         "\xff\xfe"
         "a\x00\xac\x20"_ba},
        {u"UTF-16BE"_s, u"a\u20ac"_s,
         "\x00"
         "a\x20\xac"_ba},
        // Latin-1's own encoder puts "?" for what it lacks and does not say so.
        {u"ISO-8859-1"_s, u"\u00e9\u20ac?\r\nok\r\n\u20ac"_s, "\xe9&#8364;?\r\nok\r\n&#8364;"_ba},
        {u"Shift_JIS"_s, u"\u4e00\u00e9"_s, "\x88\xea&#233;"_ba},
    };
    for (const EncodingCase& test : cases) {
        SCOPED_TRACE(test.Name.toStdString());
        const std::optional<OutputEncoding> encoding = OutputEncoding::Named(test.Name);
        ASSERT_TRUE(encoding);
        EXPECT_EQ(encoding->Start() + encoding->Encode(test.Text), test.Bytes);
    }
    EXPECT_FALSE(OutputEncoding::Named(u"x-vocks"_s));
}
