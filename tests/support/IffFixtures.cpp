#include "support/IffFixtures.h"

namespace {
QByteArray Bytes(quint64 value, int count, bool littleEndian) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        const int shift = 8 * (littleEndian ? i : count - 1 - i);
        bytes += static_cast<char>((value >> shift) & 0xFF);
    }
    return bytes;
}
} // namespace

QByteArray FixtureBe16(int value) {
    return Bytes(static_cast<quint16>(value), 2, false);
}

QByteArray FixtureBe32(quint32 value) {
    return Bytes(value, 4, false);
}

QByteArray FixtureLe16(int value) {
    return Bytes(static_cast<quint16>(value), 2, true);
}

QByteArray FixtureLe32(quint32 value) {
    return Bytes(value, 4, true);
}

QByteArray BuildIffChunk(const FixtureChunk& chunk) {
    const qint64 size = chunk.DeclaredSize >= 0 ? chunk.DeclaredSize : 76 + chunk.Data.size();
    QByteArray label = chunk.Label.left(64);
    label.append(64 - label.size(), '\0');
    return chunk.Type + FixtureBe32(static_cast<quint32>(size)) + FixtureBe16(chunk.Id) +
           FixtureBe16(chunk.Flags) + label + chunk.Data;
}

QByteArray BuildIffFile(const QList<FixtureChunk>& chunks) {
    QByteArray file("IFF FILE 2.5:TYPE FOLLOWED BY SIZE");
    file += '\0';
    file += " KELDA VOSSMARK & QUARN 1";
    file += FixtureBe32(0);
    for (const FixtureChunk& chunk : chunks)
        file += BuildIffChunk(chunk);
    return file;
}
