#include "formats/IffContainerWriter.h"

#include "formats/ByteOrder.h"
#include "formats/IffChunks.h"
#include "support/TempFolder.h"

#include <QBuffer>

using namespace Qt::StringLiterals;

namespace {
QByteArray Written(const QList<IffChunkToWrite>& chunks) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(WriteIffContainer(buffer, chunks));
    return buffer.data();
}

const QList<IffChunkToWrite> TwoChunks = {
    {QByteArrayLiteral("STR#"), 101, 0x10, u"Walls"_s, QByteArrayLiteral("abc")},
    {QByteArrayLiteral("STR#"), 201, 0x10, u"Walls (Comments)"_s, QByteArray()}};

class IffContainerWriter : public TempFolderTest {};
} // namespace

TEST_F(IffContainerWriter, WritesHeaderChunksAndMapByteForByte) {
    const QByteArray file = Written(TwoChunks);
    EXPECT_EQ(file.first(60),
              QByteArray("IFF FILE 2.5:TYPE FOLLOWED BY SIZE\0 KELDA VOSSMARK & QUARN 1", 60));
    const qint64 mapOffset = BeToInt(QByteArrayView(file).sliced(60), 4);
    EXPECT_EQ(mapOffset, 64 + 79 + 76);

    const QByteArray first = file.sliced(64, 79);
    EXPECT_EQ(first.first(4), "STR#");
    EXPECT_EQ(BeToInt(first.sliced(4), 4), 79);
    EXPECT_EQ(BeToInt(first.sliced(8), 2), 101);
    EXPECT_EQ(first.sliced(10, 2), QByteArray("\x00\x10", 2));
    EXPECT_EQ(first.sliced(12, 64), QByteArray("Walls") + QByteArray(59, '\0'));
    EXPECT_EQ(first.sliced(76), "abc");

    const QByteArray map = file.sliced(mapOffset);
    const qint64 labels = 6 + 17;
    EXPECT_EQ(map.first(4), "rsmp");
    EXPECT_EQ(BeToInt(map.sliced(4), 4), 104 + 8 * 2 + labels);
    EXPECT_EQ(map.size(), 104 + 8 * 2 + labels) << "the map is the last chunk";
    EXPECT_EQ(map.sliced(8, 68), QByteArray(68, '\0')) << "id, flags and label are zero";
    const QByteArray expectedData =
        QByteArray(8, '\0') + "pmsr" + QByteArray(4, '\0') + IntToBytes4(1, true) + "#RTS" +
        IntToBytes4(2, true) + IntToBytes4(64, true) + QByteArray("\x65\x00\x00\x10", 4) +
        QByteArray("Walls", 6) + IntToBytes4(64 + 79, true) + QByteArray("\xC9\x00\x00\x10", 4) +
        QByteArray("Walls (Comments)", 17);
    EXPECT_EQ(map.sliced(76), expectedData);
}

TEST_F(IffContainerWriter, AnEmptyContainerIsHeaderAndEmptyMap) {
    const QByteArray file = Written({});
    EXPECT_EQ(file.size(), 64 + 104);
    EXPECT_EQ(BeToInt(QByteArrayView(file).sliced(60), 4), 64);
}

TEST_F(IffContainerWriter, ReportsDevicesThatFail) {
    QBuffer closed;
    EXPECT_FALSE(WriteIffContainer(closed, TwoChunks));
    EXPECT_FALSE(SaveIffContainer(FFolder.Path(u"no/such/folder/x.iff"_s), TwoChunks));
}
