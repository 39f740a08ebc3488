#pragma once

#include <QByteArray>

#include <optional>
#include <vector>

// RAR 4 archives with stored (uncompressed) entries, written byte by byte for tests, fuzz
// seeds and benchmarks: marker block, archive header, one file header and its data per entry,
// end-of-archive block. Every entry is marked as made on Unix, so its mode says its kind.

enum class Rar4EntryKind { File, Folder, SymbolicLink, CharacterDevice };

struct Rar4FixtureEntry {
    // Stored as given, without the Unicode flag.
    QByteArray Name{};
    // The contents; a symbolic link's target.
    QByteArray Data{};
    Rar4EntryKind Kind = Rar4EntryKind::File;
    // The unpacked size the header declares; the size of Data when unset.
    std::optional<quint32> DeclaredSize{};
    // Flagged as encrypted (the data itself stays plain).
    bool Encrypted = false;
};

// With headersEncrypted, the archive header says the file headers are encrypted (they stay
// plain).
QByteArray BuildRar4Archive(const std::vector<Rar4FixtureEntry>& entries,
                            bool headersEncrypted = false);
