#include "app/about/ProgramEmblem.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// Drawn on a 32-unit grid and scaled, so the emblem stays crisp at any size.
constexpr qreal Grid = 32.0;

QPainterPath Face(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}
} // namespace

QPixmap ProgramEmblem(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    painter.setPen(QPen(QColor(0x5a, 0x3a, 0x1c), 1.0));

    const QPainterPath top = Face({{16, 3}, {29, 9}, {16, 15}, {3, 9}});
    const QPainterPath left = Face({{3, 9}, {16, 15}, {16, 29}, {3, 23}});
    const QPainterPath right = Face({{16, 15}, {29, 9}, {29, 23}, {16, 29}});
    painter.setBrush(QColor(0xf0, 0xc8, 0x8a));
    painter.drawPath(top);
    QLinearGradient shade(3, 9, 29, 29);
    shade.setColorAt(0, QColor(0xd9, 0xa5, 0x5e));
    shade.setColorAt(1, QColor(0xb0, 0x7a, 0x3a));
    painter.setBrush(shade);
    painter.drawPath(left);
    painter.setBrush(QColor(0xc2, 0x8b, 0x47));
    painter.drawPath(right);

    // The tape across the lid and down the front.
    painter.setPen(QPen(QColor(0x2f, 0x7d, 0x4f), 2.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(9.5, 6), QPointF(22.5, 12));
    painter.drawLine(QPointF(22.5, 12), QPointF(22.5, 26));
    return pixmap;
}
