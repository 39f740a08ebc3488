#include "install/TDropImage.h"

#include <QMouseEvent>
#include <QPainter>

TDropImage::TDropImage(QWidget* owner) : QWidget(owner) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void TDropImage::SetPicture(const QPixmap& picture) {
    FPicture = picture;
    updateGeometry();
    update();
}

void TDropImage::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT OnClick();
}

void TDropImage::paintEvent(QPaintEvent* /*event*/) {
    if (FPicture.isNull())
        return;
    const QSize shown = FPicture.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(), shown);
    target.moveCenter(rect().center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, FPicture);
}
