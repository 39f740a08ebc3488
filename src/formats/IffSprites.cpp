#include "formats/IffSprites.h"

#include "formats/ChunkDataReader.h"
#include "formats/IffChunks.h"
#include "formats/SpriteFrame.h"

namespace {
constexpr quint32 SupportedVersion = 1000;
constexpr qint64 FrameTableOffset = 12;

struct SpriteHeader {
    quint32 Version = 0;
    quint32 FrameCount = 0;
    quint32 DefaultPaletteId = 0;
};

bool Usable(const SpriteHeader& header, const QByteArray& data) {
    const qint64 tableEnd = FrameTableOffset + 4 * qint64(header.FrameCount);
    return header.Version == SupportedVersion && header.FrameCount > 0 && tableEnd <= data.size();
}

bool FitsBudget(const SpriteFrameHeader& frame, qint64& pixelsLeft) {
    if (frame.Width > MaxSpriteSide || frame.Height > MaxSpriteSide)
        return false;
    pixelsLeft -= qint64(frame.Width) * frame.Height;
    return pixelsLeft >= 0;
}

// Every frame, or nothing when one of them cannot be painted.
std::optional<QList<QImage>> DecodeFrames(const QByteArray& data, const SpriteHeader& header,
                                          const SpritePalettes& palettes) {
    QList<QImage> frames;
    qint64 pixelsLeft = MaxSpritePixels;
    for (quint32 i = 0; i < header.FrameCount; ++i) {
        ChunkDataReader reader(data);
        reader.Seek(FrameTableOffset + 4 * qint64(i));
        reader.Seek(reader.U32());
        const SpriteFrameHeader frame = ReadSpriteFrameHeader(reader);
        std::optional<SpritePalette> palette = palettes.Find(frame.PaletteId);
        if (!palette)
            palette = palettes.Find(static_cast<int>(header.DefaultPaletteId));
        if (!palette || !FitsBudget(frame, pixelsLeft))
            return std::nullopt;
        frames.append(PaintSpriteFrame(frame, reader, *palette));
    }
    return frames;
}
} // namespace

SpriteSet DecodeSprites(const QString& fileName, int spriteId) {
    const IffChunkInfo chunk = FindIffChunk(fileName, u"SPR2", spriteId);
    ChunkDataReader reader(chunk.Data);
    SpriteHeader header;
    header.Version = reader.U32();
    header.FrameCount = reader.U32();
    header.DefaultPaletteId = reader.U32();
    if (!chunk.Found() || !Usable(header, chunk.Data))
        return {};
    std::optional<QList<QImage>> frames =
        DecodeFrames(chunk.Data, header, SpritePalettes(fileName));
    if (!frames)
        return {};
    SpriteSet sprites;
    sprites.Version = static_cast<int>(header.Version);
    sprites.FrameCount = static_cast<int>(header.FrameCount);
    sprites.DefaultPaletteId = static_cast<int>(header.DefaultPaletteId);
    sprites.Frames = std::move(*frames);
    return sprites;
}
