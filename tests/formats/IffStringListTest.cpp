#include "formats/IffStringList.h"

#include "support/QtPrinters.h"
#include "support/StringListFixtures.h"

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

QStringList Values(const QList<IffStringEntry>& entries) {
    QStringList values;
    for (const IffStringEntry& entry : entries)
        values.append(entry.Value);
    return values;
}

const QList<FixtureString> ThreeEntries = {
    {.Value = "chair.iff", .Comment = "seat", .LanguageCode = 1},
    {.Value = "table.iff", .Comment = "", .LanguageCode = 2},
    {.Value = "lamp.iff", .Comment = "light", .LanguageCode = 3}};
} // namespace

TEST(IffStringList, DecodesEachFormat) {
    const QList<IffStringEntry> values =
        ParseStringList(ChunkWith(BuildStringList(FixtureListFormat::Values, ThreeEntries)));
    EXPECT_EQ(Values(values), QStringList({u"chair.iff"_s, u"table.iff"_s, u"lamp.iff"_s}));
    EXPECT_EQ(values[0].Comment, QString());

    const QList<IffStringEntry> pairs =
        ParseStringList(ChunkWith(BuildStringList(FixtureListFormat::ValueComments, ThreeEntries)));
    ASSERT_EQ(pairs.size(), 3);
    EXPECT_EQ(pairs[2].Comment, u"light"_s);
    EXPECT_EQ(pairs[2].LanguageCode, 0);

    const QList<IffStringEntry> coded = ParseStringList(
        ChunkWith(BuildStringList(FixtureListFormat::LanguageValueComments, ThreeEntries)));
    ASSERT_EQ(coded.size(), 3);
    EXPECT_EQ(coded[1].LanguageCode, 2);
    EXPECT_EQ(coded[1].Value, u"table.iff"_s);
    EXPECT_EQ(coded[0].Comment, u"seat"_s);
}

TEST(IffStringList, LengthPrefixedListsCountWithTheirFirstTwoBytes) {
    EXPECT_TRUE(ParseStringList(ChunkWith(QByteArray("\x00\x00\x03"
                                                     "abc",
                                                     6)))
                    .isEmpty());
    const QList<IffStringEntry> two = ParseStringList(ChunkWith(QByteArray("\x00\x02\x02"
                                                                           "ab\x03"
                                                                           "cde",
                                                                           9)));
    EXPECT_EQ(Values(two), QStringList({u"ab"_s, u"cde"_s}));
    const QList<IffStringEntry> negative = ParseStringList(ChunkWith(QByteArray("\x00\x02\xFF\x01"
                                                                                "z",
                                                                                5)));
    EXPECT_EQ(Values(negative), QStringList({QString(), u"z"_s}))
        << "a negative length gives an empty value";
}

TEST(IffStringList, WrittenPairsReadBack) {
    ValueCommentListWriter writer;
    writer.Add(u"C:\\Vocks\\Caf\u00e9.iff"_s, u"\\start"_s);
    writer.Add(u"b"_s, QString::fromUtf16(u"nul\0inside", 10));
    const std::optional<QByteArray> data = writer.Finish();
    ASSERT_TRUE(data);
    EXPECT_TRUE(IsValueCommentList(*data));
    const QList<IffStringEntry> entries = ParseStringList(ChunkWith(*data));
    ASSERT_EQ(entries.size(), 2);
    EXPECT_EQ(entries[0].Value, u"C:\\Vocks\\Caf\u00e9.iff"_s);
    EXPECT_EQ(entries[0].Comment, u"\\start"_s);
    EXPECT_EQ(entries[1].Comment, u"nulinside"_s) << "a NUL would shift every entry";
}

TEST(IffStringList, ReadsTheGameCodePage) {
    const QByteArray data = BuildStringList(FixtureListFormat::Values, {{.Value = "Caf\xE9"}});
    EXPECT_EQ(ParseStringList(ChunkWith(data)).value(0).Value, u"Caf\u00e9"_s);
}

// The layout written out by hand: format code, a little-endian count, then the texts, each
// ended by a NUL.
TEST(IffStringList, WritesTheStoredLayout) {
    ValueCommentListWriter writer;
    writer.Add(u"ab"_s, u"c"_s);
    writer.Add(QString(), u"x"_s);
    EXPECT_EQ(writer.Finish(), QByteArray("\xFE\xFF\x02\x00"
                                          "ab\0c\0\0x\0",
                                          12));
    ValueCommentListWriter many;
    for (int i = 0; i < 0x0102; ++i)
        many.Add(u"v"_s, QString());
    EXPECT_EQ(many.Finish()->left(4), QByteArray("\xFE\xFF\x02\x01", 4));
}

// A count below the entries the data holds reads only the counted ones, as the game does; a
// count beyond them reads what there is.
TEST(IffStringList, ReadsTheCountLittleEndianAndTrustsItOnlyAsFarAsTheData) {
    const struct {
        QByteArray Data;
        QStringList Values;
    } cases[] = {
        {QByteArray("\xFF\xFF\x01\x00"
                    "a\0b\0",
                    8),
         {u"a"_s}},
        {QByteArray("\xFE\xFF\x02\x00"
                    "a\0A\0b\0B\0c\0C\0",
                    16),
         {u"a"_s, u"b"_s}},
        {QByteArray("\xFD\xFF\x01\x00"
                    "\x01"
                    "a\0A\0\x01"
                    "b\0B\0",
                    14),
         {u"a"_s}},
        {QByteArray("\xFE\xFF\x00\x01"
                    "a\0A\0b\0B\0",
                    12),
         {u"a"_s, u"b"_s}},
        {QByteArray("\xFF\xFF\xFF\xFF"
                    "a\0b\0c\0",
                    10),
         {u"a"_s, u"b"_s, u"c"_s}},
        {QByteArray("\x00\x05\x7F"
                    "abc",
                    6),
         {u"abc"_s}},
        {QByteArray("\xFE", 1), {}},
        {QByteArray(), {}},
    };
    for (const auto& [data, values] : cases)
        EXPECT_EQ(Values(ParseStringList(ChunkWith(data))), values) << data.toHex().constData();
}
