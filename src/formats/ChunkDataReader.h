#pragma once

#include <QByteArray>
#include <QByteArrayView>

// Reads little-endian values from a chunk's data. Reads past the end give zeros and move
// no further, so a damaged count or offset can never reach outside the data.
class ChunkDataReader {
public:
    explicit ChunkDataReader(QByteArrayView data) : FData(data) {}

    quint8 U8();
    quint16 U16();
    quint32 U32();
    // Text bytes up to the next NUL (which is consumed) or the end of the data. Views into
    // the data: they are valid as long as it is, and cost no copy.
    QByteArrayView Terminated();
    // Up to count bytes, fewer at the end of the data.
    QByteArrayView Bytes(qint64 count);
    void Skip(qint64 count);
    void Seek(qint64 position);

    qint64 Position() const { return FPosition; }
    bool AtEnd() const { return FPosition >= FData.size(); }
    qint64 Remaining() const { return FData.size() - FPosition; }

private:
    quint32 Little(int n);

    QByteArrayView FData;
    qint64 FPosition = 0;
};
