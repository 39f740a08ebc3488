#include "formats/SpriteFrame.h"

namespace {
constexpr QRgb TransparentColour = qRgb(255, 0, 255);
// The frame's y and x position, not used.
constexpr qint64 SkippedHeaderBytes = 4;

enum CommandCode {
    StartRow = 0,
    TwoBytePixels = 1,
    ThreeBytePixels = 2,
    TransparentRun = 3,
    EmptyRows = 4,
    EndOfFrame = 5,
    OneBytePixels = 6,
};

class FrameCanvas {
public:
    FrameCanvas(const SpriteFrameHeader& header, const SpritePalette& palette)
        : FImage(header.Width, header.Height, QImage::Format_RGB32), FPalette(palette),
          FTransparentIndex(header.TransparentIndex) {
        FImage.fill(TransparentColour);
    }

    void StartRow() {
        FX = 0;
        ++FY;
    }
    void SkipRows(qint64 count) {
        FX = 0;
        FY += count;
    }
    void Skip(qint64 count) { FX += count; }
    void Paint(quint8 colourIndex) {
        if (colourIndex != FTransparentIndex && FY >= 0 && FX < FImage.width() &&
            FY < FImage.height())
            reinterpret_cast<QRgb*>(FImage.scanLine(static_cast<int>(FY)))[FX] =
                FPalette[colourIndex];
        ++FX;
    }
    QImage Image() const { return FImage; }

private:
    QImage FImage;
    const SpritePalette& FPalette;
    int FTransparentIndex;
    // 64 bits: a long run of skips must not overflow. No row is started before the first
    // row command.
    qint64 FX = 0;
    qint64 FY = -1;
};

// count pixels of bytesPerPixel bytes each; the colour index is the second byte, or the
// only one. A run ends on an even position of the data.
void PaintRun(FrameCanvas& canvas, ChunkDataReader& reader, int count, int bytesPerPixel) {
    for (int i = 0; i < count && reader.Remaining() >= bytesPerPixel; ++i) {
        reader.Skip(bytesPerPixel > 1 ? 1 : 0);
        canvas.Paint(reader.U8());
        reader.Skip(bytesPerPixel > 2 ? 1 : 0);
    }
    if (reader.Position() % 2 != 0)
        reader.Skip(1);
}
} // namespace

SpriteFrameHeader ReadSpriteFrameHeader(ChunkDataReader& reader) {
    SpriteFrameHeader header;
    header.Width = reader.U16();
    header.Height = reader.U16();
    reader.Skip(4); // flags, not used
    header.PaletteId = reader.U16();
    header.TransparentIndex = reader.U16();
    reader.Skip(SkippedHeaderBytes);
    return header;
}

QImage PaintSpriteFrame(const SpriteFrameHeader& header, ChunkDataReader& reader,
                        const SpritePalette& palette) {
    FrameCanvas canvas(header, palette);
    while (reader.Remaining() >= 2) {
        const quint16 word = reader.U16();
        const int count = word & 0x1FFF;
        switch (word >> 13) {
        case StartRow: // its count is the row's length in bytes, which the commands give too
            canvas.StartRow();
            break;
        case EmptyRows:
            canvas.SkipRows(count);
            break;
        case TwoBytePixels:
            PaintRun(canvas, reader, count, 2);
            break;
        case ThreeBytePixels:
            PaintRun(canvas, reader, count, 3);
            break;
        case TransparentRun:
            canvas.Skip(count);
            break;
        case EndOfFrame:
            return canvas.Image();
        case OneBytePixels:
            PaintRun(canvas, reader, count, 1);
            break;
        default: // code 7 means nothing
            break;
        }
    }
    return canvas.Image();
}
