#include "formats/IffSprites.h"

#include "support/IffFixtures.h"
#include "support/SpriteFixtures.h"
#include "support/TempFolder.h"

using namespace Qt::StringLiterals;

namespace {
constexpr QRgb Magenta = qRgb(255, 0, 255);
constexpr QRgb Red = qRgb(200, 0, 0);
constexpr QRgb Green = qRgb(0, 200, 0);
constexpr QRgb Blue = qRgb(0, 0, 200);

FixtureChunk Palette(int id, const QList<QRgb>& colours) {
    return {.Type = "PALT", .Id = id, .Label = "palette", .Data = BuildPaltData(colours)};
}

FixtureChunk Sprite(int id, const QByteArray& data) {
    return {.Type = "SPR2", .Id = id, .Label = "sprite", .Data = data};
}

FixtureFrame Frame(int width, int height, int paletteId, const QByteArray& commands) {
    return {.Width = width, .Height = height, .PaletteId = paletteId, .Commands = commands};
}

// Every pixel, row by row.
QList<QRgb> Pixels(const QImage& image) {
    QList<QRgb> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            pixels.append(image.pixel(x, y) | 0xFF000000u);
    return pixels;
}

void ExpectUnusable(const SpriteSet& sprites) {
    EXPECT_EQ(sprites.Version, -1);
    EXPECT_EQ(sprites.FrameCount, -1);
    EXPECT_EQ(sprites.DefaultPaletteId, -1);
    EXPECT_TRUE(sprites.Frames.isEmpty());
}

class IffSprites : public TempFolderTest {
protected:
    SpriteSet Decode(const QList<FixtureChunk>& chunks, int spriteId = 1) {
        return DecodeSprites(FFolder.Write(u"sprite.iff"_s, BuildIffFile(chunks)), spriteId);
    }
};
} // namespace

TEST_F(IffSprites, PaintsEachFrameWithItsPaletteOnMagenta) {
    const FixtureRows rows = {{1, FixtureTransparent, 2}, {FixtureTransparent, 1}};
    const QByteArray data =
        BuildSpr2Data({Frame(3, 3, 7, Spr2Commands(rows)), Frame(1, 1, 8, Spr2Commands({{1}}))}, 7);
    const SpriteSet sprites =
        Decode({Palette(7, {Magenta, Red, Green}), Palette(8, {Magenta, Blue}), Sprite(1, data)});
    EXPECT_EQ(sprites.Version, 1000);
    EXPECT_EQ(sprites.FrameCount, 2);
    EXPECT_EQ(sprites.DefaultPaletteId, 7);
    ASSERT_EQ(sprites.Frames.size(), 2);
    EXPECT_EQ(sprites.Frames[0].size(), QSize(3, 3));
    // The third row is never painted.
    EXPECT_EQ(Pixels(sprites.Frames[0]),
              QList<QRgb>({Red, Magenta, Green, Magenta, Red, Magenta, Magenta, Magenta, Magenta}));
    EXPECT_EQ(Pixels(sprites.Frames[1]), QList<QRgb>({Blue}));
}

TEST_F(IffSprites, TwoAndThreeBytePixelsTakeTheSecondByteAndKeepAlignment) {
    // 1 three-byte pixel leaves the position odd: one padding byte follows.
    const QByteArray commands = Spr2Command(0, 8) + Spr2Command(2, 1) +
                                QByteArray("\x09\x02\x09\x00", 4) + Spr2Command(7, 0) +
                                Spr2Command(0, 0) + Spr2Command(1, 2) +
                                QByteArray("\x09\x01\x09\x02", 4) + Spr2Command(5, 0);
    const SpriteSet sprites = Decode({Palette(1, {Magenta, Red, Green}),
                                      Sprite(1, BuildSpr2Data({Frame(2, 2, 1, commands)}, 1))});
    ASSERT_EQ(sprites.Frames.size(), 1);
    EXPECT_EQ(Pixels(sprites.Frames[0]), QList<QRgb>({Green, Magenta, Red, Green}));
}

TEST_F(IffSprites, AMissingFramePaletteFallsBackToTheDefault) {
    const QByteArray data = BuildSpr2Data({Frame(1, 1, 99, Spr2Commands({{1}}))}, 4);
    const SpriteSet sprites = Decode({Palette(4, {Magenta, Blue}), Sprite(1, data)});
    ASSERT_EQ(sprites.Frames.size(), 1);
    EXPECT_EQ(Pixels(sprites.Frames[0]), QList<QRgb>({Blue}));

    ExpectUnusable(Decode({Palette(5, {Blue}), Sprite(1, data)}));
}

TEST_F(IffSprites, RefusesSpritesItCannotTrust) {
    const QList<FixtureFrame> frame = {Frame(1, 1, 1, Spr2Commands({{1}}))};
    const FixtureChunk palette = Palette(1, {Red});
    ExpectUnusable(Decode({palette, Sprite(1, BuildSpr2Data(frame, 1, 1001))}));
    ExpectUnusable(Decode({palette, Sprite(1, BuildSpr2Data({}, 1))}));
    ExpectUnusable(Decode({palette, Sprite(2, BuildSpr2Data(frame, 1))}));

    QByteArray tableBeyondData = BuildSpr2Data(frame, 1);
    tableBeyondData.replace(4, 4, FixtureLe32(0x40000000));
    ExpectUnusable(Decode({palette, Sprite(1, tableBeyondData)}));

    // Frames too large to allocate.
    ExpectUnusable(Decode({palette, Sprite(1, BuildSpr2Data({Frame(4097, 1, 1, "")}, 1))}));

    // Each of these frames is allowed on its own, but not both together.
    const QByteArray end = Spr2Command(5, 0);
    ExpectUnusable(Decode(
        {palette, Sprite(1, BuildSpr2Data({Frame(1, 1, 1, end), Frame(4096, 4096, 1, end)}, 1))}));
}

TEST_F(IffSprites, CommandsEndWithTheDataAndPixelsOutsideAreDropped) {
    // A run promising 100 pixels at the very end of the data, and pixels beyond the width.
    const QByteArray commands = Spr2Command(0, 0) + Spr2Command(6, 3) +
                                QByteArray("\x01\x01\x01\x00", 4) + Spr2Command(3, 8000) +
                                Spr2Command(6, 100) + QByteArray("\x01", 1);
    const SpriteSet sprites = Decode(
        {Palette(1, {Magenta, Red}), Sprite(1, BuildSpr2Data({Frame(2, 1, 1, commands)}, 1))});
    ASSERT_EQ(sprites.Frames.size(), 1);
    EXPECT_EQ(Pixels(sprites.Frames[0]), QList<QRgb>({Red, Red}));
}

TEST_F(IffSprites, RowsStartWithTheirCommandAndEmptyRowsAreCounted) {
    // Pixels before the first row are dropped; code 4 leaves two rows empty; the last row is
    // kept; colour 2, the frame's transparent index, stays magenta.
    const QByteArray commands = Spr2Command(6, 1) + QByteArray("\x01\x00", 2) + Spr2Command(0, 6) +
                                Spr2Command(6, 2) + QByteArray("\x01\x02", 2) + Spr2Command(4, 2) +
                                Spr2Command(0, 6) + Spr2Command(6, 2) + QByteArray("\x03\x01", 2) +
                                Spr2Command(5, 0);
    QByteArray data = BuildSpr2Data({Frame(2, 4, 1, commands)}, 1);
    data.replace(16 + 10, 2, FixtureLe16(2));
    const SpriteSet sprites = Decode({Palette(1, {Magenta, Red, Green, Blue}), Sprite(1, data)});
    ASSERT_EQ(sprites.Frames.size(), 1);
    EXPECT_EQ(Pixels(sprites.Frames[0]),
              QList<QRgb>({Red, Magenta, Magenta, Magenta, Magenta, Magenta, Blue, Red}));
}
