#include "support/Rar5Fixtures.h"

#include "support/FixtureBytes.h"

namespace {
constexpr quint64 MainHeaderType = 1;
constexpr quint64 FileHeaderType = 2;
constexpr quint64 EncryptionHeaderType = 4;
constexpr quint64 EndHeaderType = 5;
// Header flags.
constexpr quint64 HasExtraArea = 0x0001;
constexpr quint64 HasDataArea = 0x0002;
// File flags.
constexpr quint64 IsFolder = 0x0001;
constexpr quint64 HasUnixTime = 0x0002;
constexpr quint64 HasDataCrc = 0x0004;
// Compression version 0, method 0: stored.
constexpr quint64 Stored = 0;
constexpr quint64 HostUnix = 1;
constexpr quint64 EncryptionRecord = 1;
constexpr quint64 RedirectionRecord = 5;
constexpr quint64 UnixSymbolicLink = 1;
constexpr quint64 HardLinkRedirection = 4;

// Seven bits a byte, the lowest first; every byte but the last has its high bit set.
QByteArray Vint(quint64 value) {
    QByteArray bytes;
    for (; value >= 0x80; value >>= 7)
        bytes.append(char(0x80 | (value & 0x7f)));
    return bytes.append(char(value));
}

// The CRC-32 of the header, its size, then from its type on: flags, the sizes of the extra
// and data areas where present, the type's fields, the extra area. The data follows.
QByteArray Header(quint64 type, const QByteArray& fields, const QByteArray& extra = {},
                  const std::optional<QByteArray>& data = std::nullopt) {
    QByteArray header =
        Vint(type) + Vint((extra.isEmpty() ? 0 : HasExtraArea) | (data ? HasDataArea : 0));
    if (!extra.isEmpty())
        header += Vint(quint64(extra.size()));
    if (data)
        header += Vint(quint64(data->size()));
    header = Vint(quint64(header.size() + fields.size() + extra.size())) + header + fields + extra;
    QByteArray block;
    AppendLittleEndian(block, Crc32(header));
    return block + header + data.value_or(QByteArray());
}

quint64 UnixMode(FixtureEntryKind kind) {
    switch (kind) {
    case FixtureEntryKind::Folder:
        return 040755;
    case FixtureEntryKind::SymbolicLink:
        return 0120777;
    case FixtureEntryKind::CharacterDevice:
        return 020644;
    case FixtureEntryKind::File:
    case FixtureEntryKind::HardLink:
        break;
    }
    return 0100644;
}

// One record of an extra area: its size, then its type and fields.
QByteArray Record(quint64 type, const QByteArray& fields) {
    const QByteArray record = Vint(type) + fields;
    return Vint(quint64(record.size())) + record;
}

// AES-256 (version 0), no flags, 2^15 rounds, then salt and initialisation vector; an archive
// encryption header has the same fields without the vector.
QByteArray EncryptionFields(bool withVector) {
    return Vint(0) + Vint(0) + char(15) + QByteArray(16, 's') +
           QByteArray(withVector ? 16 : 0, 'v');
}

// A link's target in a redirection record, and an encryption record where asked.
QByteArray ExtraArea(const Rar5FixtureEntry& entry) {
    QByteArray extra;
    if (entry.Kind == FixtureEntryKind::SymbolicLink || entry.Kind == FixtureEntryKind::HardLink) {
        const quint64 type =
            entry.Kind == FixtureEntryKind::HardLink ? HardLinkRedirection : UnixSymbolicLink;
        extra += Record(RedirectionRecord,
                        Vint(type) + Vint(0) + Vint(quint64(entry.Data.size())) + entry.Data);
    }
    if (entry.Encrypted)
        extra += Record(EncryptionRecord, EncryptionFields(true));
    return extra;
}

// Folders and links carry an empty data area too: readers expect one in every file header.
QByteArray FileHeader(const Rar5FixtureEntry& entry) {
    const QByteArray data = entry.Kind == FixtureEntryKind::File ? entry.Data : QByteArray();
    const bool folder = entry.Kind == FixtureEntryKind::Folder;
    QByteArray fields = Vint((folder ? IsFolder : 0) | HasUnixTime | HasDataCrc) +
                        Vint(entry.DeclaredSize.value_or(quint64(data.size()))) +
                        Vint(UnixMode(entry.Kind));
    AppendLittleEndian(fields, quint32(ArchiveFixtureModified));
    AppendLittleEndian(fields, Crc32(data));
    fields += Vint(Stored) + Vint(HostUnix) + Vint(quint64(entry.Name.size())) + entry.Name;
    return Header(FileHeaderType, fields, ExtraArea(entry), data);
}
} // namespace

QByteArray BuildRar5Archive(const std::vector<Rar5FixtureEntry>& entries, bool headersEncrypted) {
    QByteArray archive("Rar!\x1a\x07\x01\x00", 8);
    if (headersEncrypted)
        archive += Header(EncryptionHeaderType, EncryptionFields(false));
    archive += Header(MainHeaderType, Vint(0));
    for (const Rar5FixtureEntry& entry : entries)
        archive += FileHeader(entry);
    return archive + Header(EndHeaderType, Vint(0));
}
