#pragma once

#include <QByteArray>

#include <vector>

// Archives of the formats besides zip, written with libarchive for tests and fuzz seeds.

enum class LibArchiveFixtureFormat { Tar, TarGz, TarBz2, TarXz, SevenZip };

enum class LibArchiveFixtureKind { File, Folder, SymbolicLink, HardLink, Device };

struct LibArchiveFixtureEntry {
    QByteArray Name{};
    // The content of a file; the target of a link.
    QByteArray Data{};
    LibArchiveFixtureKind Kind = LibArchiveFixtureKind::File;
};

// The archive's bytes, entries in the given order.
QByteArray BuildLibArchive(LibArchiveFixtureFormat format,
                           const std::vector<LibArchiveFixtureEntry>& entries);
