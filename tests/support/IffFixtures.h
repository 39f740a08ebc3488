#pragma once

#include <QByteArray>
#include <QList>

// Building blocks of IFF files for tests, fuzz seeds and benchmarks, written independently
// of the engine so that each can check the other.

QByteArray FixtureBe16(int value);
QByteArray FixtureBe32(quint32 value);
QByteArray FixtureLe16(int value);
QByteArray FixtureLe32(quint32 value);

struct FixtureChunk {
    QByteArray Type{};
    int Id = 0;
    int Flags = 0;
    QByteArray Label{};
    QByteArray Data{};
    // The size written into the header; -1 writes the real size.
    qint64 DeclaredSize = -1;
};

// The chunk's 76 header bytes followed by its data.
QByteArray BuildIffChunk(const FixtureChunk& chunk);

// The 64-byte header (no resource map) followed by the chunks.
QByteArray BuildIffFile(const QList<FixtureChunk>& chunks);
