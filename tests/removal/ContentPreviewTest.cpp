#include "removal/ContentPreview.h"

#include "removal/WallSpritePreview.h"
#include "support/EnglishLanguage.h"
#include "support/IffFixtures.h"
#include "support/QtPrinters.h"
#include "support/SpriteFixtures.h"
#include "support/StringListFixtures.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
constexpr QRgb Fill = qRgb(250, 250, 250);
constexpr QRgb Red = qRgb(200, 0, 0);
constexpr QRgb Blue = qRgb(0, 0, 200);

QByteArray Palette() {
    QList<QRgb> colours(256, qRgb(0, 0, 0));
    colours[1] = Red;
    colours[2] = Blue;
    colours[255] = Fill;
    return BuildPaltData(colours);
}

// A 3 × 4 wall frame: an empty row, then rows of a colour run, a transparent pixel and a
// repeated colour, and one pixel. Row counts give each row's bytes.
QByteArray WallSprite(quint32 version = 505, quint32 count = 1, int width = 3, int height = 4) {
    const QByteArray commands("\x00\x00\x09\x01\x04\x08\x03\x03\x01\x02\x01\x00\x04\x08"
                              "\x01\x01\x02\x02\x02\x00\x04\x06\x03\x01\x01\x00\x05\x00",
                              28);
    return FixtureLe32(version) + FixtureLe32(count) + FixtureLe32(7) + FixtureLe32(16) +
           FixtureLe32(0) + FixtureLe16(height) + FixtureLe16(width) + commands;
}

QList<QList<QRgb>> Pixels(const QImage& image) {
    QList<QList<QRgb>> rows;
    for (int y = 0; y < image.height(); ++y) {
        rows.append(QList<QRgb>());
        for (int x = 0; x < image.width(); ++x)
            rows.last().append(image.pixel(x, y));
    }
    return rows;
}

// A wall file of a sprite and the palette taken when the sprite's own (7) is missing.
QList<FixtureChunk> Wall(const QByteArray& sprite, int spriteId = 1793) {
    return {{.Type = "PALT", .Id = 4096, .Data = Palette()},
            {.Type = "SPR#", .Id = spriteId, .Data = sprite}};
}

FixtureChunk Texts(const char* type, int id, const QList<FixtureString>& entries) {
    return {.Type = type, .Id = id, .Data = BuildStringList(FixtureListFormat::Values, entries)};
}

class ContentPreviewTest : public TempFolderTest {
protected:
    ContentPreview Preview(const QString& name, ContentKind kind) {
        return BuildContentPreview(FFolder.Path(name), kind, FFolder.Path(u"cache/"_s + name),
                                   FLanguage);
    }

    EnglishLanguage FLanguage;
};
} // namespace

TEST_F(ContentPreviewTest, WallSpritePaintsRowsAsTheGameStoresThem) {
    const QString wall = FFolder.Write(u"wall.wll"_s, BuildIffFile(Wall(WallSprite())));
    EXPECT_EQ(Pixels(DecodeSprPreview(wall, 1793)),
              (QList<QList<QRgb>>{
                  {Fill, Fill, Fill}, {Red, Blue, Red}, {Fill, Blue, Blue}, {Red, Fill, Fill}}));
    // Rows cut short leave the rest of the picture empty.
    const QString cut = FFolder.Write(u"cut.wll"_s, BuildIffFile(Wall(WallSprite().left(30))));
    EXPECT_EQ(DecodeSprPreview(cut, 1793).size(), QSize(3, 4));
}

TEST_F(ContentPreviewTest, DamagedWallSpritesGiveNoPicture) {
    const std::vector<std::pair<const char*, QList<FixtureChunk>>> cases{
        {"no palette", {{.Type = "SPR#", .Id = 1793, .Data = WallSprite()}}},
        {"unknown version", Wall(WallSprite(503))},
        {"no frames", Wall(WallSprite(505, 0))},
        {"huge", Wall(WallSprite(505, 1, 65535, 65535))},
        {"offset past the end", Wall(WallSprite().left(16))},
        {"other id", Wall(WallSprite(), 1794)},
    };
    for (const auto& [name, chunks] : cases) {
        const QString wall = FFolder.Write(u"wall.wll"_s, BuildIffFile(chunks));
        EXPECT_TRUE(DecodeSprPreview(wall, 1793).isNull()) << name;
    }
}

TEST_F(ContentPreviewTest, ObjectShowsItsFirstPictureDoubledAndIsCached) {
    FFolder.Write(
        u"chair.iff"_s,
        BuildIffFile({{.Type = "BMP_", .Id = 6003, .Data = BuildBitmap(1, 1, Red)},
                      {.Type = "BMP_", .Id = 6002, .Data = BuildBitmap(3, 2, Blue)},
                      {.Type = "BMP_", .Id = 6002, .Data = BuildBitmap(5, 5, Red)},
                      Texts("CTSS", 2000, {{.Value = "Chair"}, {.Value = "A fine chair"}})}));
    QDir().mkpath(FFolder.Path(u"cache"_s));
    for (int pass = 0; pass < 2; ++pass) {
        const ContentPreview preview = Preview(u"chair.iff"_s, ContentKind::Objects);
        EXPECT_TRUE(preview.Shown && preview.DoubleSize);
        EXPECT_EQ(preview.Picture.size(), QSize(3, 2));
        EXPECT_EQ(preview.Picture.pixel(0, 1), Blue);
        EXPECT_EQ(preview.Description, u"Chair -- A fine chair"_s);
        // The second time nothing is read from the file.
        QFile::remove(FFolder.Path(u"chair.iff"_s));
    }
}

TEST_F(ContentPreviewTest, EachKindShowsWhatItHasAndDamageShowsNothing) {
    QDir().mkpath(FFolder.Path(u"cache"_s));
    FFolder.Write(u"nobitmap.iff"_s,
                  BuildIffFile({{.Type = "BMP_", .Id = 6001, .Data = "not a bitmap"},
                                Texts("CTSS", 1, {{.Value = "Only"}})}));
    const ContentPreview broken = Preview(u"nobitmap.iff"_s, ContentKind::FarPackedFiles);
    EXPECT_TRUE(broken.Picture.isNull());
    EXPECT_EQ(broken.Description, u"Only -- "_s);

    FFolder.Write(u"floor.flr"_s,
                  BuildIffFile({Texts("STR#", 0, {{.Value = "Oak"}, {.Value = "x"}})}));
    const ContentPreview floor = Preview(u"floor.flr"_s, ContentKind::Floors);
    EXPECT_TRUE(floor.Shown && floor.Picture.isNull());
    EXPECT_EQ(floor.Description, u"Oak -- "_s);

    FFolder.Write(u"skin.bmp"_s, BuildBitmap(2, 2, Red));
    const ContentPreview skin = Preview(u"skin.bmp"_s, ContentKind::Heads);
    EXPECT_EQ(skin.Description, u"Not available"_s);
    EXPECT_EQ(qAlpha(skin.Picture.pixel(1, 0)), 0);

    FFolder.Write(u"body.skn"_s, "mesh");
    EXPECT_FALSE(Preview(u"body.skn"_s, ContentKind::RegularSkins).Shown);
    FFolder.Write(u"walk.cfp"_s, "anim");
    EXPECT_FALSE(Preview(u"walk.cfp"_s, ContentKind::Animations).Shown);
    EXPECT_FALSE(Preview(u"missing.wll"_s, ContentKind::Walls).Shown);
}

TEST(TransparentCornerTest, WallsUseTheTopLeftPixelOthersTheBottomLeft) {
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(Red);
    picture.setPixel(0, 1, Blue);
    picture.setPixel(1, 0, Blue);
    // The alphas of the top-left, top-right, bottom-left and bottom-right pixels.
    const auto alphas = [&](ContentKind kind) {
        const QImage image = WithTransparentCorner(picture, kind);
        return QList<int>{qAlpha(image.pixel(0, 0)), qAlpha(image.pixel(1, 0)),
                          qAlpha(image.pixel(0, 1)), qAlpha(image.pixel(1, 1))};
    };
    EXPECT_EQ(alphas(ContentKind::Walls), (QList<int>{0, 255, 255, 0}));
    EXPECT_EQ(alphas(ContentKind::Roofs), (QList<int>{255, 0, 0, 255}));
}
