#include "widgets/TAutoScroll.h"

#include <QCursor>
#include <qdrawutil.h>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {
constexpr int RepaintInterval = 250;
constexpr int BevelWidth = 1;
// Room for text of any length when measuring wrapped lines.
constexpr int UnboundedExtent = 1 << 24;

int BevelCount(TPanelBevel outer, TPanelBevel inner) {
    return (outer != TPanelBevel::None ? 1 : 0) + (inner != TPanelBevel::None ? 1 : 0);
}

void DrawBevel(QPainter& painter, const QRect& rect, TPanelBevel bevel, const QPalette& palette) {
    if (bevel == TPanelBevel::None)
        return;
    qDrawShadeRect(&painter, rect, palette, bevel == TPanelBevel::Lowered, BevelWidth);
}

Qt::Alignment TextAlignment(ScrollAlignment alignment) {
    switch (alignment) {
    case ScrollAlignment::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case ScrollAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignTop;
    case ScrollAlignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}
} // namespace

TAutoScroll::TAutoScroll(QWidget* owner)
    : QWidget(owner), FMotion(this), FInner(new QWidget(this)), FText(new QLabel(FInner)),
      FStepTimer(new QTimer(this)), FRepaintTimer(new QTimer(this)) {
    FInner->setObjectName(QStringLiteral("InnerPanel"));
    FText->setObjectName(QStringLiteral("MovingText"));
    FText->setTextFormat(Qt::PlainText);
    FStepTimer->setObjectName(QStringLiteral("StepTimer"));
    FRepaintTimer->setObjectName(QStringLiteral("RepaintTimer"));
    for (QWidget* watched : {FInner, static_cast<QWidget*>(FText)})
        watched->installEventFilter(this);

    connect(&FMotion, &AutoScrollMotion::CanChange, this,
            [this](int position, bool& allow) { Q_EMIT OnCanChange(this, position, allow); });
    connect(&FMotion, &AutoScrollMotion::Changed, this, [this] {
        PlaceText();
        Q_EMIT OnChange(this);
    });
    connect(&FMotion, &AutoScrollMotion::PauseStarted, this, [this] { Q_EMIT OnPause(this); });
    connect(&FMotion, &AutoScrollMotion::PauseEnded, this, [this] { Q_EMIT OnContinue(this); });
    connect(&FMotion, &AutoScrollMotion::StepIntervalChanged, FStepTimer,
            qOverload<int>(&QTimer::setInterval));
    connect(&FMotion, &AutoScrollMotion::CanDragMove, this, [this](int position, bool& allow) {
        Q_EMIT OnCanMouseDragMove(this, position, allow);
    });
    connect(&FMotion, &AutoScrollMotion::DragMoved, this, [this] { Q_EMIT OnMouseDragMove(this); });

    FStepTimer->setInterval(FMotion.StepInterval());
    connect(FStepTimer, &QTimer::timeout, this,
            [this] { FMotion.Paused() ? ScrollAgain() : DoScroll(); });
    connect(FRepaintTimer, &QTimer::timeout, this, &TAutoScroll::DoRepaint);
    FRepaintTimer->start(RepaintInterval);

    UpdateBevelMargins();
}

void TAutoScroll::SetLines(const QStringList& lines) {
    FLines = lines;
    FixSizes();
    Q_EMIT OnChangeText(this);
}

void TAutoScroll::SetOrientation(OrientOpts orientation) {
    FOrientation = orientation;
    if (!Vertical())
        FWordWrap = false;
    FixSizes();
}

void TAutoScroll::SetLayout(ScrollLayout layout) {
    FLayout = layout;
    FixSizes();
}

void TAutoScroll::SetAlignment(ScrollAlignment alignment) {
    FAlignment = alignment;
    FixSizes();
}

void TAutoScroll::SetWordWrap(bool wordWrap) {
    FWordWrap = wordWrap;
    FixSizes();
}

void TAutoScroll::SetBounce(bool bounce) {
    FMotion.SetBounce(bounce);
    FixSizes();
}

void TAutoScroll::SetStartPosition(int position) {
    FStepTimer->stop();
    FixSizes();
    SetPosition(position);
    FStartPosition = FMotion.Position();
    UpdateStepTimer();
}

void TAutoScroll::SetEnabled(bool enabled) {
    FEnabled = enabled;
    UpdateStepTimer();
    if (enabled)
        SetPosition(FStartPosition);
}

void TAutoScroll::SetColor(const QColor& color) {
    FColor = color;
    QPalette palette = FInner->palette();
    palette.setColor(QPalette::Window, color.isValid() ? color : this->palette().window().color());
    FInner->setPalette(palette);
    FInner->setAutoFillBackground(color.isValid());
}

void TAutoScroll::SetBevelOuter(TPanelBevel bevel) {
    FBevelOuter = bevel;
    UpdateBevelMargins();
}

void TAutoScroll::SetBevelInner(TPanelBevel bevel) {
    FBevelInner = bevel;
    UpdateBevelMargins();
}

void TAutoScroll::SetPosition(int position) {
    FMotion.SetPosition(position);
}

void TAutoScroll::FixSizes() {
    FInner->setGeometry(contentsRect());
    const QSize view = FInner->size();
    const QString text = FLines.join(QLatin1Char('\n'));
    const Qt::Alignment alignment = TextAlignment(FAlignment);
    const QFontMetrics metrics(font());
    QSize measured;
    if (Wrapping()) {
        const QRect room(0, 0, view.width(), UnboundedExtent);
        measured = {view.width(),
                    metrics.boundingRect(room, int(alignment | Qt::TextWordWrap), text).height()};
    } else {
        measured = metrics.boundingRect(QRect(), int(alignment), text).size();
    }
    FText->setWordWrap(Wrapping());
    FText->setAlignment(alignment);
    FText->setText(text);
    FText->resize(measured);
    if (Vertical()) {
        FText->move(VerticalTextLeft(FAlignment, view.width(), measured.width()), FText->y());
        FMotion.SetExtents(measured.height(), view.height());
    } else {
        FText->move(FText->x(), HorizontalTextTop(FLayout, view.height(), measured.height()));
        FMotion.SetExtents(measured.width(), view.width());
    }
    SetPosition(FMotion.Position());
}

void TAutoScroll::PlaceText() {
    if (Vertical())
        FText->move(FText->x(), FMotion.TextOffset());
    else
        FText->move(FMotion.TextOffset(), FText->y());
}

void TAutoScroll::DoScroll() {
    if (FHoldOnMouse && PointerInside())
        return;
    FMotion.Step();
}

void TAutoScroll::DoRepaint() {
    FText->update();
}

void TAutoScroll::Loaded() {
    FLoaded = true;
    SetLines(FLines);
    // Also switches the step timer on when enabled.
    SetStartPosition(FStartPosition);
}

void TAutoScroll::ParseClick() {
    Q_EMIT OnClick(this);
}

bool TAutoScroll::PointerInside() const {
    // Edges count as inside.
    return QRect(mapToGlobal(QPoint(0, 0)), size()).contains(QCursor::pos());
}

void TAutoScroll::UpdateBevelMargins() {
    const int margin = BevelWidth * BevelCount(FBevelOuter, FBevelInner);
    setContentsMargins(margin, margin, margin, margin);
    FixSizes();
    update();
}

void TAutoScroll::UpdateStepTimer() {
    if (FLoaded && FEnabled)
        FStepTimer->start();
    else
        FStepTimer->stop();
}

void TAutoScroll::MouseDragStart(Qt::MouseButton button, QPoint inText) {
    FPressedButton = button;
    if (button != Qt::LeftButton || !FMouseDrag)
        return;
    FMotion.StartDrag(Vertical() ? inText.y() : inText.x());
    Q_EMIT OnMouseDragStart(this);
}

void TAutoScroll::MouseDragGo(QPoint inText) {
    if (FPressedButton != Qt::LeftButton || !FMouseDrag)
        return;
    FMotion.DragTo(Vertical() ? inText.y() : inText.x());
}

void TAutoScroll::MouseDragEnd() {
    if (FMotion.Dragging())
        Q_EMIT OnMouseDragEnd(this);
    FPressedButton = Qt::NoButton;
    FMotion.EndDrag();
}

bool TAutoScroll::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease)
        return QWidget::eventFilter(watched, event);
    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint inText = FText->mapFrom(widget, mouse->position().toPoint());
    if (type == QEvent::MouseButtonPress) {
        MouseDragStart(mouse->button(), inText);
    } else if (type == QEvent::MouseMove) {
        MouseDragGo(inText);
    } else {
        MouseDragEnd();
        if (mouse->button() == Qt::LeftButton &&
            widget->rect().contains(mouse->position().toPoint()))
            ParseClick();
    }
    return true;
}

void TAutoScroll::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        FixSizes();
}

void TAutoScroll::mouseReleaseEvent(QMouseEvent* event) {
    // The bevelled edge belongs to the panel too.
    if (event->button() == Qt::LeftButton)
        ParseClick();
}

void TAutoScroll::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outer = rect();
    DrawBevel(painter, outer, FBevelOuter, palette());
    const int inset = FBevelOuter != TPanelBevel::None ? BevelWidth : 0;
    DrawBevel(painter, outer.adjusted(inset, inset, -inset, -inset), FBevelInner, palette());
}

void TAutoScroll::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The placement across the direction of travel and the wrap width follow the size.
    FixSizes();
}

void TAutoScroll::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!FLoaded)
        Loaded();
}
