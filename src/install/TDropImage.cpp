#include "install/TDropImage.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

TDropImage::TDropImage(QWidget* owner) : QWidget(owner) {
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    setAcceptDrops(true);
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

namespace {
// The local paths a drop carries; empty when it carries none.
QStringList DroppedPaths(const QMimeData* data) {
    QStringList paths;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    return paths;
}
} // namespace

void TDropImage::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedPaths(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TDropImage::dropEvent(QDropEvent* event) {
    const QStringList paths = DroppedPaths(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Q_EMIT FileDropDropFiles(paths);
}
