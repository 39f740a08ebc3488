#include "support/SpriteFixtures.h"

#include "support/IffFixtures.h"

#include <QBuffer>
#include <QImage>

namespace {
QByteArray PaintedRun(const QList<int>& indices) {
    QByteArray run = Spr2Command(6, static_cast<int>(indices.size()));
    for (int index : indices)
        run += static_cast<char>(index);
    if (run.size() % 2 != 0)
        run += '\0';
    return run;
}

// A row starts with code 0, counting the row's bytes with its own word.
QByteArray RowCommands(const QList<int>& row) {
    QByteArray commands;
    for (qsizetype x = 0; x < row.size();) {
        QList<int> run;
        const bool transparent = row[x] == FixtureTransparent;
        for (; x < row.size() && (row[x] == FixtureTransparent) == transparent; ++x)
            run.append(row[x]);
        commands += transparent ? Spr2Command(3, static_cast<int>(run.size())) : PaintedRun(run);
    }
    return Spr2Command(0, int(commands.size()) + 2) + commands;
}

QByteArray FrameBytes(const FixtureFrame& frame) {
    QByteArray bytes = FixtureLe16(frame.Width) + FixtureLe16(frame.Height) + FixtureLe32(0) +
                       FixtureLe16(frame.PaletteId) + QByteArray(6, '\0') + frame.Commands;
    // Frames start on even offsets, which keeps the decoder's padding in step.
    if (bytes.size() % 2 != 0)
        bytes += '\0';
    return bytes;
}
} // namespace

QByteArray Spr2Command(int code, int count) {
    return FixtureLe16((code << 13) | (count & 0x1FFF));
}

QByteArray Spr2Commands(const FixtureRows& rows) {
    QByteArray commands;
    for (const QList<int>& row : rows)
        commands += RowCommands(row);
    return commands + Spr2Command(5, 0);
}

QByteArray BuildSpr2Data(const QList<FixtureFrame>& frames, int defaultPaletteId, quint32 version) {
    QByteArray header = FixtureLe32(version) + FixtureLe32(static_cast<quint32>(frames.size())) +
                        FixtureLe32(static_cast<quint32>(defaultPaletteId));
    QByteArray body;
    const qsizetype tableEnd = header.size() + 4 * frames.size();
    for (const FixtureFrame& frame : frames) {
        header += FixtureLe32(static_cast<quint32>(tableEnd + body.size()));
        body += FrameBytes(frame);
    }
    return header + body;
}

QByteArray BuildPaltData(const QList<QRgb>& colours) {
    QByteArray data = FixtureLe32(1) + FixtureLe32(256) + QByteArray(8, '\0');
    for (int k = 0; k < 256; ++k) {
        const QRgb colour = colours.value(k, qRgb(0, 0, 0));
        data += static_cast<char>(qRed(colour));
        data += static_cast<char>(qGreen(colour));
        data += static_cast<char>(qBlue(colour));
    }
    return data;
}

QByteArray BuildBitmap(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "BMP");
    return bytes;
}
