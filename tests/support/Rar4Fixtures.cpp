#include "support/Rar4Fixtures.h"

#include "support/FixtureBytes.h"

namespace {
constexpr quint8 ArchiveHeaderType = 0x73;
constexpr quint8 FileHeaderType = 0x74;
constexpr quint8 EndHeaderType = 0x7b;
constexpr quint16 LongBlock = 0x8000;
constexpr quint16 EncryptedFlag = 0x0004;
constexpr quint16 HeadersEncryptedFlag = 0x0080;
// The dictionary bits all set mark a folder.
constexpr quint16 FolderFlag = 0x00e0;
constexpr quint16 EndWithoutVolumes = 0x4000;
constexpr quint8 HostUnix = 3;
constexpr quint8 VersionToExtract = 20;
constexpr quint8 MethodStore = 0x30;
// 2020-01-01 00:00:00 as an MS-DOS date and time.
constexpr quint32 DosTime = (40u << 25) | (1u << 21) | (1u << 16);

// A block: the header's CRC (the low half of the CRC-32 of the rest of the header), then
// the header from its type on, whose size field (bytes 3-4 after the CRC) is filled in here.
QByteArray Block(QByteArray header) {
    const quint16 size = quint16(header.size() + 2);
    header[3] = char(size & 0xff);
    header[4] = char(size >> 8);
    QByteArray block;
    AppendLittleEndian<quint16>(block, quint16(Crc32(header) & 0xffff));
    return block + header;
}

quint32 UnixMode(Rar4EntryKind kind) {
    switch (kind) {
    case Rar4EntryKind::Folder:
        return 040755;
    case Rar4EntryKind::SymbolicLink:
        return 0120777;
    case Rar4EntryKind::CharacterDevice:
        return 020644;
    case Rar4EntryKind::File:
        break;
    }
    return 0100644;
}

QByteArray FileBlock(const Rar4FixtureEntry& entry) {
    quint16 flags = LongBlock;
    if (entry.Encrypted)
        flags |= EncryptedFlag;
    if (entry.Kind == Rar4EntryKind::Folder)
        flags |= FolderFlag;
    QByteArray header;
    header.append(char(FileHeaderType));
    AppendLittleEndian<quint16>(header, flags);
    AppendLittleEndian<quint16>(header, 0);
    AppendLittleEndian<quint32>(header, quint32(entry.Data.size()));
    AppendLittleEndian<quint32>(header, entry.DeclaredSize.value_or(quint32(entry.Data.size())));
    header.append(char(HostUnix));
    AppendLittleEndian<quint32>(header, Crc32(entry.Data));
    AppendLittleEndian<quint32>(header, DosTime);
    header.append(char(VersionToExtract)).append(char(MethodStore));
    AppendLittleEndian<quint16>(header, quint16(entry.Name.size()));
    AppendLittleEndian<quint32>(header, UnixMode(entry.Kind));
    return Block(header + entry.Name) + entry.Data;
}
} // namespace

QByteArray BuildRar4Archive(const std::vector<Rar4FixtureEntry>& entries, bool headersEncrypted) {
    QByteArray archive("Rar!\x1a\x07\x00", 7);
    QByteArray main;
    main.append(char(ArchiveHeaderType));
    AppendLittleEndian<quint16>(main, headersEncrypted ? HeadersEncryptedFlag : 0);
    AppendLittleEndian<quint16>(main, 0);
    main.append(QByteArray(6, '\0'));
    archive += Block(main);
    for (const Rar4FixtureEntry& entry : entries)
        archive += FileBlock(entry);
    QByteArray end;
    end.append(char(EndHeaderType));
    AppendLittleEndian<quint16>(end, EndWithoutVolumes);
    AppendLittleEndian<quint16>(end, 0);
    return archive + Block(end);
}
