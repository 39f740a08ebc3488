#pragma once

#include <QByteArray>
#include <QByteArrayView>

// The game's files mix both byte orders: IFF chunk headers are big-endian, string-list
// counts, sprites and the resource map little-endian.

// The first n bytes, most significant first, as an unsigned value; 0 for n = 0. -1 when n
// is negative, above 8 or beyond the bytes given. Eight bytes with the top bit set come
// back as the same bit pattern, which is negative.
qint64 BeToInt(QByteArrayView bytes, int n);

// The same with the least significant byte first.
qint64 LeToInt(QByteArrayView bytes, int n);

// Four bytes, least significant first when littleEndian, otherwise most significant first.
// A 16-bit field is the last two big-endian or the first two little-endian bytes.
QByteArray IntToBytes4(quint32 value, bool littleEndian);
