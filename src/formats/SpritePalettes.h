#pragma once

#include <QHash>
#include <QRgb>
#include <QString>

#include <array>
#include <optional>

using SpritePalette = std::array<QRgb, 256>;

// The PALT chunks of one file by id, read once for all frames of a sprite and decoded when
// asked for, so a file full of palettes costs no more memory than its size. As with a
// chunk lookup, the first chunk with an id wins.
class SpritePalettes {
public:
    explicit SpritePalettes(const QString& fileName);

    std::optional<SpritePalette> Find(int id) const;

private:
    QHash<int, QByteArray> FPaletteData;
};
