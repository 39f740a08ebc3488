#pragma once

#include <QImage>
#include <QList>
#include <QString>

// The frames of one SPR2 sprite. An unusable sprite has -1 in every header value and no
// frames.
struct SpriteSet {
    int Version = -1;
    int FrameCount = -1;
    int DefaultPaletteId = -1;
    // One bitmap per frame; pixels the sprite leaves transparent are magenta (255, 0, 255).
    QList<QImage> Frames;

    bool Valid() const { return Version >= 0; }
};

// The most pixels one sprite may hold in a frame's width or height, and in all its frames
// together: far beyond any real sprite, and it keeps a damaged size from taking gigabytes.
constexpr int MaxSpriteSide = 4096;
constexpr qint64 MaxSpritePixels = qint64(MaxSpriteSide) * MaxSpriteSide;

// Decodes the SPR2 chunk with the id, painting each frame with the PALT chunk its header
// names, or the sprite's default palette when that one is missing. The sprite is unusable
// when the chunk is missing, its version is not 1000, it has no frames, its frame table
// does not fit in its data, a frame finds no palette, or the frames are too large.
// Throws EFileOpenError when the file cannot be opened.
SpriteSet DecodeSprites(const QString& fileName, int spriteId);
