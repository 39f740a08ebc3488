#pragma once

#include "formats/ChunkDataReader.h"
#include "formats/SpritePalettes.h"

#include <QImage>

// The header of one SPR2 frame, read at its offset in the sprite's data.
struct SpriteFrameHeader {
    int Width = 0;
    int Height = 0;
    int PaletteId = 0;
};

// Reads the header and leaves the reader at the frame's first pixel command.
SpriteFrameHeader ReadSpriteFrameHeader(ChunkDataReader& reader);

// Paints the pixel commands from the reader's position onto a magenta bitmap of the
// header's size. The commands end with code 5 or at the end of the data; pixels outside
// the bitmap are dropped.
QImage PaintSpriteFrame(const SpriteFrameHeader& header, ChunkDataReader& reader,
                        const SpritePalette& palette);
