#include "formats/IffContainerWriter.h"

#include "formats/ByteOrder.h"
#include "formats/IffChunks.h"
#include "formats/IffText.h"

#include <QSaveFile>

#include <limits>

namespace {
const QByteArray HeaderText =
    QByteArrayLiteral("IFF FILE 2.5:TYPE FOLLOWED BY SIZE\0 KELDA VOSSMARK & QUARN 1");
constexpr int ResourceMapEntryFlags = 0x0010;

QByteArray Be16(int value) {
    return IntToBytes4(static_cast<quint32>(value), false).last(2);
}

QByteArray Le16(int value) {
    return IntToBytes4(static_cast<quint32>(value), true).first(2);
}

QByteArray Le32(quint32 value) {
    return IntToBytes4(value, true);
}

QByteArray LabelBytes(const QString& label) {
    return EncodeIffText(label).left(IffLabelSize);
}

// Where each chunk starts and the one after the last: the map offset goes into the header,
// which is written first.
QList<qint64> ChunkOffsets(const QList<IffChunkToWrite>& chunks) {
    QList<qint64> offsets{IffHeaderSize};
    for (const IffChunkToWrite& chunk : chunks)
        offsets.append(offsets.last() + IffChunkHeaderSize + chunk.Data.size());
    return offsets;
}

std::optional<QByteArray> ChunkHeader(const IffChunkToWrite& chunk) {
    const qint64 size = IffChunkHeaderSize + chunk.Data.size();
    if (size > std::numeric_limits<quint32>::max())
        return std::nullopt;
    QByteArray label = LabelBytes(chunk.Label);
    label.append(IffLabelSize - label.size(), '\0');
    return chunk.Type.leftJustified(4, ' ', true) + IntToBytes4(static_cast<quint32>(size), false) +
           Be16(chunk.Id) + Be16(chunk.Flags) + label;
}

// The rsmp chunk's data: one type (STR#, written reversed) with an entry per chunk.
QByteArray ResourceMapData(const QList<IffChunkToWrite>& chunks, const QList<qint64>& offsets) {
    QByteArray data = Le32(0) + Le32(0) + QByteArrayLiteral("pmsr") + Le32(0) + Le32(1) +
                      QByteArrayLiteral("#RTS") + Le32(static_cast<quint32>(chunks.size()));
    for (qsizetype i = 0; i < chunks.size(); ++i) {
        data += Le32(static_cast<quint32>(offsets[i])) + Le16(chunks[i].Id) +
                Be16(ResourceMapEntryFlags) + LabelBytes(chunks[i].Label) + '\0';
    }
    return data;
}

bool WriteChunk(QIODevice& device, const IffChunkToWrite& chunk) {
    const std::optional<QByteArray> header = ChunkHeader(chunk);
    return header && device.write(*header) == header->size() &&
           device.write(chunk.Data) == chunk.Data.size();
}
} // namespace

bool WriteIffContainer(QIODevice& device, const QList<IffChunkToWrite>& chunks) {
    const QList<qint64> offsets = ChunkOffsets(chunks);
    const IffChunkToWrite resourceMap{QByteArrayLiteral("rsmp"), 0, 0, QString(),
                                      ResourceMapData(chunks, offsets)};
    if (offsets.last() > std::numeric_limits<quint32>::max())
        return false;
    const QByteArray header = HeaderText + IntToBytes4(static_cast<quint32>(offsets.last()), false);
    if (device.write(header) != header.size())
        return false;
    for (const IffChunkToWrite& chunk : chunks) {
        if (!WriteChunk(device, chunk))
            return false;
    }
    return WriteChunk(device, resourceMap);
}

bool SaveIffContainer(const QString& fileName, const QList<IffChunkToWrite>& chunks) {
    QSaveFile file(fileName);
    return file.open(QIODevice::WriteOnly) && WriteIffContainer(file, chunks) && file.commit();
}
