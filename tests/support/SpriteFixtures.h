#pragma once

#include <QByteArray>
#include <QList>
#include <QRgb>

// A transparent pixel in FixtureRows.
constexpr int FixtureTransparent = -1;
// Colour indices row by row; FixtureTransparent leaves a pixel unpainted.
using FixtureRows = QList<QList<int>>;

// One 16-bit pixel command word.
QByteArray Spr2Command(int code, int count);

// The commands that paint the rows: for each row its start (0), then transparent runs (3)
// and one-byte pixel runs (6) padded to an even length; then the end (5).
QByteArray Spr2Commands(const FixtureRows& rows);

struct FixtureFrame {
    int Width = 0;
    int Height = 0;
    int PaletteId = 0;
    QByteArray Commands{};
};

// SPR2 chunk data: version, frame count, default palette, offset table, frames.
QByteArray BuildSpr2Data(const QList<FixtureFrame>& frames, int defaultPaletteId,
                         quint32 version = 1000);

// PALT chunk data: 16 header bytes and 256 colours; colours beyond the list are black.
QByteArray BuildPaltData(const QList<QRgb>& colours);

// A BMP file of one colour.
QByteArray BuildBitmap(int width, int height, QRgb colour);
