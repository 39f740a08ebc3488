#pragma once

#include "common/ExpansionFlags.h"
#include "formats/ContentKind.h"

#include <QSize>
#include <QString>

#include <optional>

// What a bitmap's header says, as far as sorting needs it.
struct BitmapFacts {
    QSize Size;
    int BitsPerPixel = 0;
};

// Width, height and colour depth of a Windows bitmap; nothing when it cannot be decoded.
std::optional<BitmapFacts> ReadBitmapFacts(const QString& path);

enum class BitmapQuestion { None, UnknownType, UnknownTypeBroken, Broken };

// Where a bitmap goes: the kind it is put in (when a question is asked, on Yes), or nothing
// when it is dropped (on every answer).
struct BitmapVerdict {
    BitmapQuestion Question = BitmapQuestion::None;
    std::optional<ContentKind> Kind;

    friend bool operator==(const BitmapVerdict&, const BitmapVerdict&) = default;
};

// Sorts a bitmap by its size, its depth and the letter code of its (lower-case) file name:
// skins are 256 x 256 (heads also 128 x 128), roofs 32 x 32; anything else may be a skin
// accessory if the user says so.
BitmapVerdict JudgeBitmap(const QString& fileName, const BitmapFacts& facts,
                          const PackFlags& packs);
