#include "FuzzSeeds.h"
#include "support/IffFixtures.h"
#include "support/SpriteFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    const QByteArray palette = BuildPaltData({qRgb(255, 0, 255), qRgb(200, 0, 0), qRgb(0, 0, 200)});
    const QByteArray rows = Spr2Commands({{1, 2, FixtureTransparent, 1}, {FixtureTransparent, 2}});
    const QByteArray wide = Spr2Command(2, 2) + QByteArray("\x00\x01\x00\x00\x02\x00", 6) +
                            Spr2Command(0, 0) + Spr2Command(1, 1) + QByteArray("\x00\x01", 2) +
                            Spr2Command(7, 0) + Spr2Command(5, 0);
    return {
        BuildIffFile({{"PALT", 1, 0, "", palette},
                      {"SPR2", 10, 0, "", BuildSpr2Data({{4, 2, 1, rows}}, 1)}}),
        BuildIffFile({{"PALT", 2, 0, "", palette},
                      {"SPR2", 11, 0, "", BuildSpr2Data({{2, 2, 9, wide}, {4, 2, 2, rows}}, 2)}}),
        BuildIffFile({{"SPR2", 12, 0, "", BuildSpr2Data({{1, 1, 3, rows}}, 3, 1001)}}),
    };
}
