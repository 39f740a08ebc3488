#include "FuzzSeeds.h"

#include <QBuffer>
#include <QImage>

namespace {
QByteArray Bitmap(int side, QImage::Format format) {
    QImage image(side, side, format);
    if (format == QImage::Format_Indexed8)
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}
} // namespace

std::vector<QByteArray> FuzzSeeds() {
    return {Bitmap(256, QImage::Format_Indexed8), Bitmap(32, QImage::Format_RGB888),
            Bitmap(3, QImage::Format_RGB888), QByteArray("BM")};
}
