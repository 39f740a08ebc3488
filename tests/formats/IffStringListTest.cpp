#include "formats/IffStringList.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
IffChunkInfo ChunkWith(const QByteArray& data) {
    IffChunkInfo chunk;
    chunk.Type = u"STR#"_s;
    chunk.Data = data;
    chunk.DataSize = data.size();
    return chunk;
}

QByteArray Hex(const char* hex) {
    return QByteArray::fromHex(hex);
}

// Each entry as "language code|value|comment".
QStringList Described(const QList<IffStringEntry>& entries) {
    QStringList described;
    for (const IffStringEntry& entry : entries)
        described.append(u"%1|%2|%3"_s.arg(entry.LanguageCode).arg(entry.Value, entry.Comment));
    return described;
}
} // namespace

// The layouts written out by hand: a format code and a little-endian count, or a big-endian
// count and length-prefixed values. A count below the entries the data holds reads only the
// counted ones, as the game does; a count beyond them reads what there is.
TEST(IffStringList, ReadsEachLayoutTrustingTheCountOnlyAsFarAsTheData) {
    const struct {
        QByteArray Data;
        QStringList Entries;
    } cases[] = {
        {Hex("FFFF 0100") + "a\0b\0"_ba, {u"0|a|"_s}},
        {Hex("FFFF FFFF") + "a\0b\0c\0"_ba, {u"0|a|"_s, u"0|b|"_s, u"0|c|"_s}},
        {Hex("FEFF 0200") + "a\0A\0b\0B\0c\0C\0"_ba, {u"0|a|A"_s, u"0|b|B"_s}},
        {Hex("FEFF 0001") + "a\0A\0b\0B\0"_ba, {u"0|a|A"_s, u"0|b|B"_s}},
        {Hex("FDFF 0200 03") + "a\0A\0"_ba + Hex("07") + "b\0\0"_ba, {u"3|a|A"_s, u"7|b|"_s}},
        {Hex("FDFF 0100 01") + "a\0A\0"_ba + Hex("01") + "b\0B\0"_ba, {u"1|a|A"_s}},
        {Hex("0002 02") + "ab"_ba + Hex("03") + "cde"_ba, {u"0|ab|"_s, u"0|cde|"_s}},
        // The length byte is unsigned: values up to 255 bytes long.
        {Hex("0001 C8") + QByteArray(200, 'x'), {u"0|"_s + QString(200, u'x') + u"|"_s}},
        {Hex("0005 7F") + "abc"_ba, {u"0|abc|"_s}},
        {Hex("0000 03") + "abc"_ba, {}},
        // Windows-1252 unless the text is valid UTF-8.
        {Hex("FFFF 0200") + "Caf\xE9\0"_ba + "Caf\xC3\xA9\0"_ba,
         {u"0|Caf\u00e9|"_s, u"0|Caf\u00e9|"_s}},
        {Hex("FE"), {}},
        {QByteArray(), {}},
    };
    for (const auto& [data, entries] : cases)
        EXPECT_EQ(Described(ParseStringList(ChunkWith(data))), entries) << data.toHex().constData();
}

TEST(IffStringList, WritesValueCommentPairsAsUtf8WithoutInnerNuls) {
    ValueCommentListWriter writer;
    writer.Add(u"ab"_s, u"c"_s);
    writer.Add(QString(), u"x"_s);
    writer.Add(u"Caf\u00e9"_s, QString::fromUtf16(u"nul\0in", 6)); // a NUL would shift the rest
    const std::optional<QByteArray> data = writer.Finish();
    EXPECT_EQ(data, Hex("FEFF 0300") + "ab\0c\0\0x\0Caf\xC3\xA9\0nulin\0"_ba);
    EXPECT_TRUE(IsValueCommentList(*data));

    ValueCommentListWriter many;
    for (int i = 0; i < 0x0102; ++i)
        many.Add(u"v"_s, QString());
    EXPECT_EQ(many.Finish()->left(4), Hex("FEFF 0201"));
}
