#include "install/DropPicture.h"

#include <QImageReader>

QImage ReadDropPicture(const QString& path) {
    const bool bitmap = path.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    QImageReader reader(path, bitmap ? QByteArrayLiteral("bmp") : QByteArrayLiteral("jpeg"));
    // The name decides the format; a JPEG named .bmp is not a bitmap.
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}
