#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>
#include <vector>

// The FAR archive layout, little-endian throughout: the signature "FAR!byAZ", version 1 and
// the directory's offset; the entries' data; then the directory, which is a count followed,
// per entry, by its size, the same size again, its offset, its name's length and the name.

inline constexpr qint64 FarHeaderSize = 16;
inline constexpr qint64 FarDirectoryOffsetPosition = 12;
// Offsets and sizes are 32-bit: no byte of an archive may lie beyond this.
inline constexpr qint64 FarLargestPosition = 0xFFFFFFFF;

struct FarDirectoryEntry {
    QString Name;
    quint32 Size = 0;
    quint32 Offset = 0;
    // The name's bytes as read from a directory; empty for a name given by the program,
    // which is then stored with EncodeFarEntryName.
    QByteArray StoredName{};
};

enum class FarReadOutcome { Valid, NotFar, ReadFailed };

struct FarDirectory {
    FarReadOutcome Outcome = FarReadOutcome::NotFar;
    std::vector<FarDirectoryEntry> Entries;
};

// Reads the directory of the archive on a seekable device. Every count, length and offset is
// checked against the device's size before it is used, so a hostile file is reported as not
// a FAR archive and never makes this allocate more than the file holds or read outside it.
FarDirectory ReadFarDirectory(QIODevice& archive);
// The same for a whole archive held in memory.
FarDirectory ReadFarDirectory(const QByteArray& archive);

// The directory offset of a well-formed header that points inside the device, else nothing.
std::optional<quint32> ReadFarDirectoryOffset(QIODevice& archive);

QByteArray EncodeFarHeader(quint32 directoryOffset);
QByteArray EncodeFarDirectory(const std::vector<FarDirectoryEntry>& entries);
QByteArray EncodeFarOffset(quint32 offset);
