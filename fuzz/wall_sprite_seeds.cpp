#include "FuzzSeeds.h"
#include "support/IffFixtures.h"
#include "support/SpriteFixtures.h"

namespace {
// A 2 × 3 wall frame: an empty row, a colour run, a transparent pixel and a repeated colour.
QByteArray WallSprite(quint32 version) {
    const QByteArray commands("\x00\x00\x09\x01\x04\x06\x03\x02\x01\x02\x04\x08\x01\x01\x02\x01"
                              "\x02\x00\x05\x00",
                              20);
    return FixtureLe32(version) + FixtureLe32(1) + FixtureLe32(7) + FixtureLe32(16) +
           FixtureLe32(0) + FixtureLe16(3) + FixtureLe16(2) + commands;
}
} // namespace

std::vector<QByteArray> FuzzSeeds() {
    const QByteArray palette = BuildPaltData({qRgb(255, 0, 255), qRgb(200, 0, 0), qRgb(0, 0, 200)});
    return {
        BuildIffFile({{"PALT", 7, 0, "", palette}, {"SPR#", 1793, 0, "", WallSprite(505)}}),
        BuildIffFile({{"PALT", 4096, 0, "", palette}, {"SPR#", 1793, 0, "", WallSprite(502)}}),
    };
}
