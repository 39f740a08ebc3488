#include "formats/ChunkDataReader.h"

#include "formats/ByteOrder.h"

#include <algorithm>

quint8 ChunkDataReader::U8() {
    return static_cast<quint8>(Little(1));
}

quint16 ChunkDataReader::U16() {
    return static_cast<quint16>(Little(2));
}

quint32 ChunkDataReader::U32() {
    return Little(4);
}

quint32 ChunkDataReader::Little(int n) {
    const QByteArrayView bytes = Bytes(n);
    return bytes.size() == n ? static_cast<quint32>(LeToInt(bytes, n)) : 0;
}

QByteArrayView ChunkDataReader::Terminated() {
    const qsizetype end = FData.indexOf('\0', FPosition);
    const qint64 length = (end < 0 ? FData.size() : end) - FPosition;
    const QByteArrayView text = Bytes(length);
    Skip(1);
    return text;
}

QByteArrayView ChunkDataReader::Bytes(qint64 count) {
    const qint64 available = std::clamp<qint64>(count, 0, Remaining());
    const QByteArrayView bytes = FData.sliced(FPosition, available);
    FPosition += available;
    return bytes;
}

void ChunkDataReader::Skip(qint64 count) {
    Seek(FPosition + std::max<qint64>(count, 0));
}

void ChunkDataReader::Seek(qint64 position) {
    FPosition = std::clamp<qint64>(position, 0, FData.size());
}
