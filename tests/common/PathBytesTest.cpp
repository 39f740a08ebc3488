#include "common/PathBytes.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PathBytes, StrayBytesBecomeLoneSurrogatesAndComeBackAsTheyWere) {
    struct Case {
        QByteArray Bytes;
        QString Text;
    };
    const Case cases[] = {
        {"/g/caf\xC3\xA9.iff"_ba, u"/g/café.iff"_s},
        {"/g/caf\xE9.iff"_ba, u"/g/caf\xDCE9.iff"_s},
        // A lead byte cut short, a continuation byte alone, an encoded surrogate.
        {"\xC3.\x80"_ba, u"\xDCC3.\xDC80"_s},
        {"\xED\xA0\x80"_ba, u"\xDCED\xDCA0\xDC80"_s},
        // A valid character beyond 16 bits whose low half looks like a stray byte.
        {"\xF0\x90\x82\x80\xFF"_ba, u"\U00010080\xDCFF"_s},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathOfBytes(c.Bytes), c.Text) << c.Bytes.toHex().toStdString();
        EXPECT_EQ(BytesOfPath(c.Text), c.Bytes) << c.Bytes.toHex().toStdString();
    }
}
