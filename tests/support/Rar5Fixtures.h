#pragma once

#include "support/ArchiveFixtures.h"

#include <optional>
#include <vector>

// RAR 5 archives with stored (uncompressed) entries, written byte by byte for tests, fuzz
// seeds and benchmarks: signature, main archive header, one file header and its data per
// entry, end-of-archive header. Every entry is marked as made on Unix, so its mode says its
// kind; a link's target lies in a redirection record. Every entry carries the CRC-32 of its
// data and ArchiveFixtureModified as its time.

struct Rar5FixtureEntry {
    // Stored as given; RAR 5 names are UTF-8.
    QByteArray Name{};
    // The contents; a symbolic link's target; for a hard link, the name of an earlier entry.
    QByteArray Data{};
    FixtureEntryKind Kind = FixtureEntryKind::File;
    // The unpacked size the header declares; the size of the data when unset.
    std::optional<quint64> DeclaredSize{};
    // Given an encryption record (the data itself stays plain).
    bool Encrypted = false;
};

// With headersEncrypted, an archive encryption header comes first (the headers after it stay
// plain).
QByteArray BuildRar5Archive(const std::vector<Rar5FixtureEntry>& entries,
                            bool headersEncrypted = false);
