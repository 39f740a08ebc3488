#include "formats/FarDirectory.h"

#include "formats/FarEntryNames.h"

#include <QBuffer>
#include <QtEndian>

namespace {
constexpr char Signature[] = "FAR!byAZ";
constexpr qsizetype SignatureSize = 8;
constexpr quint32 Version = 1;
// Two sizes, the offset and the name's length.
constexpr qint64 EntryFixedSize = 16;

// Reads from a device without ever asking for more than it holds, and tells a device that
// fails to deliver what its size promised apart from a file that promises too much.
class BoundedReader {
public:
    explicit BoundedReader(QIODevice& device) : FDevice(device), FSize(device.size()) {}

    qint64 Remaining() const { return FSize - FDevice.pos(); }
    qint64 Size() const { return FSize; }
    bool Failed() const { return FFailed; }

    bool Seek(qint64 position) { return position <= FSize && FDevice.seek(position); }

    std::optional<QByteArray> Read(qint64 count) {
        if (count > Remaining())
            return std::nullopt;
        QByteArray bytes = FDevice.read(count);
        if (bytes.size() != count) {
            FFailed = true;
            return std::nullopt;
        }
        return bytes;
    }

    std::optional<quint32> ReadUInt32() {
        const std::optional<QByteArray> bytes = Read(sizeof(quint32));
        if (!bytes)
            return std::nullopt;
        return qFromLittleEndian<quint32>(bytes->constData());
    }

private:
    QIODevice& FDevice;
    qint64 FSize;
    bool FFailed = false;
};

std::optional<quint32> ReadHeader(BoundedReader& reader) {
    const std::optional<QByteArray> signature =
        reader.Seek(0) ? reader.Read(SignatureSize) : std::nullopt;
    if (!signature || *signature != QByteArray(Signature, SignatureSize))
        return std::nullopt;
    const std::optional<quint32> version = reader.ReadUInt32();
    const std::optional<quint32> directoryOffset =
        version == Version ? reader.ReadUInt32() : std::nullopt;
    if (!directoryOffset || *directoryOffset < FarHeaderSize || *directoryOffset > reader.Size())
        return std::nullopt;
    return directoryOffset;
}

std::optional<FarDirectoryEntry> ReadEntry(BoundedReader& reader) {
    const std::optional<quint32> size = reader.ReadUInt32();
    const std::optional<quint32> sizeAgain = size ? reader.ReadUInt32() : std::nullopt;
    const std::optional<quint32> offset = sizeAgain ? reader.ReadUInt32() : std::nullopt;
    const std::optional<quint32> nameLength = offset ? reader.ReadUInt32() : std::nullopt;
    const std::optional<QByteArray> name = nameLength ? reader.Read(*nameLength) : std::nullopt;
    if (!name || qint64(*offset) + qint64(*size) > reader.Size())
        return std::nullopt;
    // An empty name is kept, as the game may have written one; it is dropped on rewrite.
    return FarDirectoryEntry{DecodeFarEntryName(*name), *size, *offset, *name};
}

bool ReadEntries(BoundedReader& reader, std::vector<FarDirectoryEntry>& entries) {
    const std::optional<quint32> count = reader.ReadUInt32();
    if (!count || *count > reader.Remaining() / EntryFixedSize)
        return false;
    entries.reserve(*count);
    for (quint32 i = 0; i < *count; ++i) {
        std::optional<FarDirectoryEntry> entry = ReadEntry(reader);
        if (!entry)
            return false;
        entries.push_back(std::move(*entry));
    }
    return true;
}

void AppendUInt32(QByteArray& bytes, quint32 value) {
    char little[sizeof(quint32)];
    qToLittleEndian(value, little);
    bytes.append(little, sizeof(little));
}
} // namespace

FarDirectory ReadFarDirectory(QIODevice& archive) {
    BoundedReader reader(archive);
    FarDirectory directory;
    const std::optional<quint32> directoryOffset = ReadHeader(reader);
    const bool valid =
        directoryOffset && reader.Seek(*directoryOffset) && ReadEntries(reader, directory.Entries);
    if (!valid)
        directory.Entries.clear();
    directory.Outcome = reader.Failed() ? FarReadOutcome::ReadFailed
                        : valid         ? FarReadOutcome::Valid
                                        : FarReadOutcome::NotFar;
    return directory;
}

FarDirectory ReadFarDirectory(const QByteArray& archive) {
    QBuffer buffer;
    buffer.setData(archive);
    buffer.open(QIODevice::ReadOnly);
    return ReadFarDirectory(buffer);
}

std::optional<quint32> ReadFarDirectoryOffset(QIODevice& archive) {
    BoundedReader reader(archive);
    return ReadHeader(reader);
}

QByteArray EncodeFarHeader(quint32 directoryOffset) {
    QByteArray bytes(Signature, SignatureSize);
    AppendUInt32(bytes, Version);
    AppendUInt32(bytes, directoryOffset);
    return bytes;
}

QByteArray EncodeFarDirectory(const std::vector<FarDirectoryEntry>& entries) {
    QByteArray bytes;
    AppendUInt32(bytes, quint32(entries.size()));
    for (const FarDirectoryEntry& entry : entries) {
        const QByteArray name =
            entry.StoredName.isEmpty() ? EncodeFarEntryName(entry.Name) : entry.StoredName;
        AppendUInt32(bytes, entry.Size);
        AppendUInt32(bytes, entry.Size);
        AppendUInt32(bytes, entry.Offset);
        AppendUInt32(bytes, quint32(name.size()));
        bytes.append(name);
    }
    return bytes;
}

QByteArray EncodeFarOffset(quint32 offset) {
    QByteArray bytes;
    AppendUInt32(bytes, offset);
    return bytes;
}
