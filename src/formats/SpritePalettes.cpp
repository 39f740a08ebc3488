#include "formats/SpritePalettes.h"

#include "formats/ChunkDataReader.h"
#include "formats/IffChunks.h"

namespace {
constexpr qint64 PaletteHeaderSize = 16;

// Entries that a short chunk leaves out stay black.
SpritePalette DecodePalette(const QByteArray& data) {
    ChunkDataReader reader(data);
    reader.Skip(PaletteHeaderSize);
    SpritePalette palette;
    for (QRgb& colour : palette) {
        const quint8 red = reader.U8();
        const quint8 green = reader.U8();
        const quint8 blue = reader.U8();
        colour = qRgb(red, green, blue);
    }
    return palette;
}
} // namespace

SpritePalettes::SpritePalettes(const QString& fileName) {
    for (const IffChunkInfo& chunk : ListIffChunks(fileName, u"PALT")) {
        if (!FPaletteData.contains(chunk.Id))
            FPaletteData.insert(chunk.Id, chunk.Data);
    }
}

std::optional<SpritePalette> SpritePalettes::Find(int id) const {
    const auto found = FPaletteData.constFind(id);
    if (found == FPaletteData.constEnd())
        return std::nullopt;
    return DecodePalette(found.value());
}
