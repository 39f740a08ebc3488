#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

enum class ArchiveEntryKind { File, Folder, SymbolicLink, HardLink, Device };

// One entry of an archive as its directory or header describes it.
struct ArchiveEntry {
    // As stored, possibly with a folder part; decoded from UTF-8 or the format's old code page.
    QString Name{};
    // Nothing where the format does not say how large the entry is.
    std::optional<qint64> DeclaredSize{};
    ArchiveEntryKind Kind = ArchiveEntryKind::File;
    bool Encrypted = false;
    std::optional<QDateTime> ModifiedAt{};
};

// What went wrong in the library, in terms the user's language words.
enum class ArchiveFailureReason {
    NotAnArchive,
    Missing,
    Damaged,
    Truncated,
    Checksum,
    Unreadable,
    Compression,
    Encryption,
    Memory,
    Other
};

// Why an archive cannot be read (further).
enum class ArchiveFault { None, Unreadable, EncryptionUnsupported };

// Receives an entry's data piece by piece; returning false stops the reading.
using ArchiveDataSink = std::function<bool(const char* data, qint64 size)>;

// Reads an archive entry after entry, in archive order, without holding more than one
// piece of an entry in memory. A backend per library; the rules for names, sizes and kinds
// are the caller's.
class ArchiveReader {
public:
    enum class ReadResult { Complete, Stopped, WrongPassword, EncryptionUnsupported, Failed };

    virtual ~ArchiveReader() = default;

    // The next entry; nothing at the end, or when the archive cannot be read further
    // (Fault() then says why).
    virtual std::optional<ArchiveEntry> NextEntry() = 0;
    // Streams the data of the entry NextEntry returned last. After WrongPassword it may be
    // read again with another password.
    virtual ReadResult ReadEntry(const std::optional<QString>& password,
                                 const ArchiveDataSink& sink) = 0;

    virtual ArchiveFault Fault() const = 0;
    // Why the last failure happened.
    virtual ArchiveFailureReason FailureReason() const = 0;
};
