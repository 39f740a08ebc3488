#include "formats/IffChunks.h"

#include "formats/FileOpenError.h"
#include "support/IffFixtures.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace {
FixtureChunk Chunk(const QByteArray& type, int id, const QByteArray& data,
                   const QByteArray& label = "label") {
    return {.Type = type, .Id = id, .Flags = 0x10, .Label = label, .Data = data};
}

QStringList TypesAndIds(const QList<IffChunkInfo>& chunks) {
    QStringList list;
    for (const IffChunkInfo& chunk : chunks)
        list.append(chunk.Type + QString::number(chunk.Id));
    return list;
}

class IffChunks : public TempFolderTest {};
} // namespace

TEST_F(IffChunks, FindReturnsTheFirstMatchWithEveryField) {
    const QByteArray full(64, 'L');
    const QString file = FFolder.Write(
        u"a.iff"_s, BuildIffFile({Chunk("STR#", 1, "one", full), Chunk("STR#", 2, "two"),
                                  Chunk("STR#", 2, "later", "second"),
                                  Chunk("STR#", 3, "", QByteArray("ab\0cd", 5))}));
    const IffChunkInfo found = FindIffChunk(file, u"STR#", 2);
    EXPECT_EQ(found.Type, u"STR#"_s);
    EXPECT_EQ(found.Offset, 64 + 79);
    EXPECT_EQ(found.Size, 79);
    EXPECT_EQ(found.Id, 2);
    EXPECT_EQ(found.Flags, 0x10);
    EXPECT_EQ(found.Label, u"label"_s);
    EXPECT_EQ(found.DataOffset, found.Offset + 76);
    EXPECT_EQ(found.DataSize, 3);
    EXPECT_EQ(found.Data, QByteArray("two"));
    // Labels end at the first NUL or after 64 bytes.
    EXPECT_EQ(FindIffChunk(file, u"STR#", 1).Label, QString::fromLatin1(full));
    EXPECT_EQ(FindIffChunk(file, u"STR#", 3).Label, u"ab"_s);
}

TEST_F(IffChunks, ListsKeepFileOrder) {
    const QString file = FFolder.Write(
        u"a.iff"_s,
        BuildIffFile({Chunk("STR#", 7, "a"), Chunk("PALT", 1, "p"), Chunk("STR#", 3, "b")}));
    const QList<IffChunkInfo> strings = ListIffChunks(file, u"STR#");
    EXPECT_EQ(TypesAndIds(strings), QStringList({u"STR#7"_s, u"STR#3"_s}));
    EXPECT_EQ(strings[1].Data, QByteArray("b"));
    EXPECT_EQ(TypesAndIds(ListAllIffChunks(file)),
              QStringList({u"STR#7"_s, u"PALT1"_s, u"STR#3"_s}));
    EXPECT_FALSE(FindIffChunk(file, u"str#", 7).Found()) << "type codes are case-sensitive";
    EXPECT_EQ(FindIffChunk(file, u"STR#", 1).Offset, -1);

    const QString headerOnly = FFolder.Write(u"empty.iff"_s, BuildIffFile({}));
    EXPECT_FALSE(FindIffChunk(headerOnly, u"STR#", 1).Found());
    EXPECT_TRUE(ListIffChunks(headerOnly, u"STR#").isEmpty());
}

TEST_F(IffChunks, AChunkTooSmallForItsHeaderEndsEveryScan) {
    FixtureChunk damaged = Chunk("PALT", 5, "");
    damaged.DeclaredSize = 75;
    const QString file = FFolder.Write(
        u"a.iff"_s, BuildIffFile({Chunk("STR#", 1, "a"), damaged, Chunk("STR#", 2, "b")}));
    EXPECT_TRUE(FindIffChunk(file, u"STR#", 1).Found());
    EXPECT_FALSE(FindIffChunk(file, u"STR#", 2).Found());
    EXPECT_EQ(TypesAndIds(ListIffChunks(file, u"STR#")), QStringList({u"STR#1"_s}));

    damaged.DeclaredSize = 0;
    const QString zero =
        FFolder.Write(u"zero.iff"_s, BuildIffFile({damaged, Chunk("STR#", 2, "b")}));
    EXPECT_TRUE(ListAllIffChunks(zero).isEmpty())
        << "a size of 0 must not scan the same chunk forever";
}

TEST_F(IffChunks, DataRunningPastTheEndHoldsOnlyWhatTheFileHas) {
    FixtureChunk oversized = Chunk("STR#", 1, "abc");
    oversized.DeclaredSize = 0xFFFFFFFF;
    const QString file = FFolder.Write(u"a.iff"_s, BuildIffFile({oversized}));
    const IffChunkInfo found = FindIffChunk(file, u"STR#", 1);
    EXPECT_EQ(found.Size, 0xFFFFFFFF);
    EXPECT_EQ(found.DataSize, 3);
    EXPECT_EQ(found.Data, QByteArray("abc"));

    const QString cutHeader =
        FFolder.Write(u"cut.iff"_s, BuildIffFile({Chunk("STR#", 1, "a")}) + "STR#\0\0");
    EXPECT_EQ(ListAllIffChunks(cutHeader).size(), 1) << "a header cut off at the end is no chunk";
}

TEST_F(IffChunks, AFileThatCannotBeOpenedThrows) {
    EXPECT_THROW(FindIffChunk(FFolder.Path(u"missing.iff"_s), u"STR#", 1), EFileOpenError);
    EXPECT_THROW(ListIffChunks(FFolder.Path(), u"STR#"), EFileOpenError);
}
