#pragma once

#include "formats/ContentKind.h"

#include <QImage>
#include <QString>

class TLanguage;

// What the details panel shows of a file: a picture and a description, or nothing.
struct ContentPreview {
    bool Shown = false;
    // Transparent where the kind's corner colour was; null when the file gave no picture.
    QImage Picture;
    QString Description;
    // Objects are shown at twice their size, without transparency.
    bool DoubleSize = false;
};

// The preview of a file of the kind. base is the cache's path without extension: a picture
// and a description found at base + ".bmp" and base + ".txt" are shown without reading the
// file; otherwise they are decoded from the file and written there. Damaged files give a
// preview without picture or description, never a read outside their data.
ContentPreview BuildContentPreview(const QString& path, ContentKind kind, const QString& base,
                                   const TLanguage& language);

// Makes the kind's corner pixel transparent: the top-left one of walls, the bottom-left
// one of everything else.
QImage WithTransparentCorner(const QImage& picture, ContentKind kind);
