#pragma once

#include <QImage>
#include <QString>

// The install tab's drop picture: a file named ".bmp" (any letter case) is read as a Windows
// bitmap and any other as a JPEG image, whatever its content. A null image when that fails.
QImage ReadDropPicture(const QString& path);
