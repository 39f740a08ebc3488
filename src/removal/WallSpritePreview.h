#pragma once

#include <QImage>
#include <QString>

// The first frame of the file's SPR# wall sprite with the id, painted with the PALT chunk
// that the sprite's header names, else palette 4096; pixels the frame leaves empty have
// palette colour 255. A null image when the sprite is missing, has another version than
// 502, 504 or 505, has no frames, finds no palette, or claims a size of no pixels or more
// than a sprite may hold. Throws EFileOpenError when the file cannot be opened.
QImage DecodeSprPreview(const QString& fileName, int spriteId);
