#pragma once

#include <QByteArray>

#include <vector>

// FAR archives built byte by byte, independently of the engine that reads and writes them.

struct FarFixtureEntry {
    QByteArray Name;
    QByteArray Data;
};

// An archive as the game lays it out: header, the entries' data in order, then the directory.
QByteArray BuildFarArchive(const std::vector<FarFixtureEntry>& entries);

// The directory offset stored in an archive's header.
quint32 FarDirectoryOffsetOf(const QByteArray& archive);

// Overwrites the little-endian 32-bit value at position, for hostile variants of an archive.
void PatchLe32(QByteArray& bytes, qsizetype position, quint32 value);
