#include "removal/WallSpritePreview.h"

#include "formats/ChunkDataReader.h"
#include "formats/IffChunks.h"
#include "formats/IffSprites.h"
#include "formats/SpritePalettes.h"

#include <optional>

namespace {
constexpr int FallbackPaletteId = 4096;
constexpr int EmptyColour = 255;

// A wall frame's commands: a byte for the code and one for its count.
enum WallCommand {
    StartMarker = 0,
    TransparentRun = 1,
    RepeatedColour = 2,
    ColourRun = 3,
    NewRow = 4,
    EndOfFrame = 5,
    EmptyRows = 9,
    OtherStartMarker = 16,
};

bool KnownVersion(quint32 version) {
    return version == 502 || version == 504 || version == 505;
}

class WallCanvas {
public:
    WallCanvas(int width, int height, const SpritePalette& palette)
        : FImage(width, height, QImage::Format_RGB32), FPalette(palette) {
        FImage.fill(palette[EmptyColour]);
    }

    void StartRow() {
        ++FY;
        FX = 0;
    }
    void SkipRows(int count) { FY += count; }
    void SkipPixels(int count) { FX += count; }
    void Paint(quint8 colourIndex) {
        if (FY >= 0 && FX < FImage.width() && FY < FImage.height())
            reinterpret_cast<QRgb*>(FImage.scanLine(int(FY)))[FX] = FPalette[colourIndex];
        ++FX;
    }
    const QImage& Image() const { return FImage; }

private:
    QImage FImage;
    const SpritePalette& FPalette;
    // The first row command moves to row 0; 64 bits keep long runs from overflowing.
    qint64 FY = -1;
    qint64 FX = 0;
};

void PaintCommands(WallCanvas& canvas, ChunkDataReader& reader) {
    while (reader.Remaining() >= 2) {
        const quint8 code = reader.U8();
        const quint8 count = reader.U8();
        switch (code) {
        case TransparentRun:
            canvas.SkipPixels(count);
            break;
        case RepeatedColour: {
            const quint8 colour = reader.U8();
            reader.Skip(1);
            for (int i = 0; i < count; ++i)
                canvas.Paint(colour);
            break;
        }
        case ColourRun:
            for (int i = 0; i < count && !reader.AtEnd(); ++i)
                canvas.Paint(reader.U8());
            reader.Skip(count % 2);
            break;
        case NewRow:
            canvas.StartRow();
            break;
        case EmptyRows:
            canvas.SkipRows(count);
            break;
        case EndOfFrame:
            return;
        default: // the start markers 0 and 16, and codes that mean nothing
            break;
        }
    }
}

std::optional<SpritePalette> PaletteOf(const QString& fileName, int headerPaletteId) {
    const SpritePalettes palettes(fileName);
    if (std::optional<SpritePalette> palette = palettes.Find(headerPaletteId))
        return palette;
    return palettes.Find(FallbackPaletteId);
}
} // namespace

QImage DecodeSprPreview(const QString& fileName, int spriteId) {
    const IffChunkInfo chunk = FindIffChunk(fileName, u"SPR#", spriteId);
    if (!chunk.Found())
        return {};
    ChunkDataReader reader(chunk.Data);
    const quint32 version = reader.U32();
    const quint32 count = reader.U32();
    const int paletteId = int(reader.U32());
    const quint32 frameOffset = reader.U32();
    if (!KnownVersion(version) || count == 0 || frameOffset >= quint64(chunk.Data.size()))
        return {};
    reader.Seek(frameOffset);
    reader.Skip(4);
    const int height = reader.U16();
    const int width = reader.U16();
    if (width == 0 || height == 0 || width > MaxSpriteSide || height > MaxSpriteSide)
        return {};
    const std::optional<SpritePalette> palette = PaletteOf(fileName, paletteId);
    if (!palette)
        return {};
    WallCanvas canvas(width, height, *palette);
    PaintCommands(canvas, reader);
    return canvas.Image();
}
