#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// Archives of every format the intake reads, for tests, fuzz seeds and benchmarks: zip,
// RAR 4 and RAR 5 written in-process, 7z and tar (plain, gzip, bzip2, xz) made by the
// system's `7z` and `tar` from files staged in a folder of their own.

enum class ArchiveFormat { Zip, SevenZip, Rar4, Rar5, Tar, TarGz, TarBz2, TarXz };

enum class FixtureEntryKind { File, Folder, SymbolicLink, HardLink, CharacterDevice };

// When every file entry of a 7z, RAR 5 or tar archive was last modified, in seconds since
// 1970.
constexpr qint64 ArchiveFixtureModified = 1'700'000'000;

struct ArchiveFixtureEntry {
    // The name stored, any bytes: "../" and leading "/" are kept; a folder's without "/".
    QByteArray Name{};
    // The contents; a symbolic link's target; for a hard link, the name of an earlier entry.
    QByteArray Data{};
    FixtureEntryKind Kind = FixtureEntryKind::File;
};

// ".zip", ".7z", ".rar" (both RARs), ".tar", ".tar.gz", ".tar.bz2", ".tar.xz".
QString ArchiveExtension(ArchiveFormat format);
// The one-word form where a compressed tar has one (".tgz", ".tbz2", ".txz"), else as above.
QString ShortArchiveExtension(ArchiveFormat format);
// Whether the format (as the tools write it) can store an entry of this kind; devices need
// root to be staged.
bool ArchiveCanHold(ArchiveFormat format, FixtureEntryKind kind);

// The archive's bytes, entries in the given order; throws when a tool fails or the format
// cannot hold an entry's kind.
QByteArray BuildArchive(ArchiveFormat format, const std::vector<ArchiveFixtureEntry>& entries);
// A 7z archive whose entries are encrypted with the password, and its names too when asked.
QByteArray BuildEncrypted7zArchive(const std::vector<ArchiveFixtureEntry>& entries,
                                   const QByteArray& password, bool namesToo);
