#pragma once

#include "formats/ChunkDataReader.h"
#include "formats/SpritePalettes.h"

#include <QImage>

// The header of one SPR2 frame, read at its offset in the sprite's data.
struct SpriteFrameHeader {
    int Width = 0;
    int Height = 0;
    int PaletteId = 0;
    // Pixels of this colour index stay transparent.
    int TransparentIndex = -1;
};

// Reads the header and leaves the reader at the frame's first pixel command.
SpriteFrameHeader ReadSpriteFrameHeader(ChunkDataReader& reader);

// Paints the pixel commands from the reader's position onto a magenta bitmap of the
// header's size. Code 0 starts the next row, whose pixel commands follow; code 4 leaves
// count rows empty. The commands end with code 5 or at the end of the data; pixels outside
// the bitmap, or before the first row, are dropped.
QImage PaintSpriteFrame(const SpriteFrameHeader& header, ChunkDataReader& reader,
                        const SpritePalette& palette);
