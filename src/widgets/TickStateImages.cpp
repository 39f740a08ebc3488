#include "widgets/TickStateImages.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int ImageSize = 16;

QPixmap Blank() {
    QPixmap image(ImageSize, ImageSize);
    image.fill(Qt::transparent);
    return image;
}

QPixmap Cross() {
    QPixmap image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xd0, 0x20, 0x20), 2.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(4, 4), QPointF(12, 12));
    painter.drawLine(QPointF(12, 4), QPointF(4, 12));
    return image;
}

QPixmap Tick(const QColor& colour) {
    QPixmap image = Blank();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath path(QPointF(3, 8.5));
    path.lineTo(6.5, 12);
    path.lineTo(13, 4);
    painter.drawPath(path);
    return image;
}
} // namespace

QPixmap TickStateImage(TickState state) {
    switch (state) {
    case TickState::Unticked:
        return Cross();
    case TickState::Partly:
        return Tick(QColor(0x90, 0x90, 0x90));
    case TickState::Ticked:
        return Tick(QColor(0x10, 0xa0, 0x30));
    case TickState::None:
        break;
    }
    return {};
}
