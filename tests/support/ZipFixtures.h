#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Zip archives written with libzip for tests, fuzz seeds and the demo downloads.

enum class ZipFixtureCipher { None, ZipCrypto, Aes256 };

struct ZipFixtureEntry {
    // Stored as given: UTF-8 with the language flag when Utf8Name, else raw (code page 437).
    QByteArray Name{};
    QByteArray Data{};
    ZipFixtureCipher Cipher = ZipFixtureCipher::None;
    QByteArray Password{};
    bool Utf8Name = true;
    // Marked as a Unix symbolic link whose target is Data.
    bool SymbolicLink = false;
};

// The archive's bytes, entries in the given order, deflated; no entries give the bare
// end-of-directory record.
QByteArray BuildZipArchive(const std::vector<ZipFixtureEntry>& entries);

// Offsets of an entry's fields in an archive built above, for hostile variants.
struct ZipFieldOffsets {
    qsizetype LocalUncompressedSize = -1;
    qsizetype CentralUncompressedSize = -1;
};
// The offsets of the nth entry (local header n and central record n).
ZipFieldOffsets ZipEntryFieldOffsets(const QByteArray& archive, int n);
