#include "install/MissingDropPicture.h"

#include "language/TLanguage.h"

#include <QFontMetrics>
#include <QPainter>

namespace {
struct PictureLine {
    QString Text;
    QColor Colour;
    int PointSize;
};

// Draws the lines one below the other, each centred across the picture.
void DrawLines(QImage& picture, const QList<PictureLine>& lines) {
    QPainter painter(&picture);
    int top = 0;
    for (const PictureLine& line : lines) {
        QFont font(QStringLiteral("Comic Sans MS"));
        font.setPointSize(line.PointSize);
        painter.setFont(font);
        painter.setPen(line.Colour);
        const QFontMetrics metrics(font, &picture);
        const int left = picture.width() / 2 - metrics.horizontalAdvance(line.Text) / 2;
        painter.drawText(left, top + metrics.ascent(), line.Text);
        top += metrics.height();
    }
}
} // namespace

QImage MissingDropPicture(const TLanguage& language, const QString& prodVersion) {
    QImage picture(512, 384, QImage::Format_RGB32);
    picture.fill(QColor(Qt::darkBlue));
    const QColor red(Qt::red);
    const QColor aqua(Qt::cyan);
    DrawLines(picture,
              {{language.GetString(QStringLiteral("ProdFullName")) + QLatin1Char(' ') + prodVersion,
                Qt::white, 24},
               {language.GetString(QStringLiteral("Error")) + QLatin1Char(':'), red, 24},
               {language.GetString(QStringLiteral("MissingPicLine1")), red, 24},
               {language.GetString(QStringLiteral("MissingPicLine2")), red, 24},
               {QString(), aqua, 18},
               {language.GetString(QStringLiteral("MissingPicLine3")), aqua, 18},
               {QString(), aqua, 18},
               {language.GetString(QStringLiteral("MissingPicLine4")), QColor(Qt::green), 32}});
    return picture;
}
