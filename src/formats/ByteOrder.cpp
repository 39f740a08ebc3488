#include "formats/ByteOrder.h"

namespace {
bool Readable(QByteArrayView bytes, int n) {
    return n >= 0 && n <= 8 && n <= bytes.size();
}

quint64 AddByte(quint64 value, char byte) {
    return (value << 8) | static_cast<quint8>(byte);
}
} // namespace

qint64 BeToInt(QByteArrayView bytes, int n) {
    if (!Readable(bytes, n))
        return -1;
    quint64 value = 0;
    for (int i = 0; i < n; ++i)
        value = AddByte(value, bytes[i]);
    return static_cast<qint64>(value);
}

qint64 LeToInt(QByteArrayView bytes, int n) {
    if (!Readable(bytes, n))
        return -1;
    quint64 value = 0;
    for (int i = n - 1; i >= 0; --i)
        value = AddByte(value, bytes[i]);
    return static_cast<qint64>(value);
}

QByteArray IntToBytes4(quint32 value, bool littleEndian) {
    QByteArray bytes(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i) {
        const int shift = littleEndian ? 8 * i : 8 * (3 - i);
        bytes[i] = static_cast<char>((value >> shift) & 0xFF);
    }
    return bytes;
}
