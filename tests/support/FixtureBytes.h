#pragma once

#include <QByteArray>
#include <QtEndian>

// The byte-level pieces the archive writers of the fixtures share.

// The CRC-32 of zip, RAR and gzip (reflected polynomial 0xedb88320).
quint32 Crc32(const QByteArray& bytes);

// Appends the value's bytes, least significant first.
template <typename Integer> void AppendLittleEndian(QByteArray& bytes, Integer value) {
    const Integer stored = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&stored), qsizetype(sizeof stored));
}
