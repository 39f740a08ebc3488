#include "widgets/AutoScrollMotion.h"

#include <algorithm>

AutoScrollMotion::AutoScrollMotion(QObject* owner) : QObject(owner) {}

void AutoScrollMotion::SetExtents(int text, int view) {
    FText = text;
    FView = view;
}

int AutoScrollMotion::ScrollLength() const {
    return FBounce && TextLongerThanView() ? FText - FView : FText + FView;
}

void AutoScrollMotion::SetInterval(int interval) {
    FInterval = interval;
    if (!FPaused)
        Q_EMIT StepIntervalChanged(FInterval);
}

int AutoScrollMotion::Limited(qint64 position) const {
    const qint64 last = !FBounce ? FText + FView : TextLongerThanView() ? FText - FView : 0;
    return static_cast<int>(std::clamp<qint64>(position, 0, last));
}

void AutoScrollMotion::SetPosition(int position) {
    MoveTo(position);
}

void AutoScrollMotion::MoveTo(qint64 requested) {
    const int limited = Limited(requested);
    bool allow = true;
    if (!FDragging)
        Q_EMIT CanChange(limited, allow);
    if (!allow)
        return;
    FPosition = limited;
    Q_EMIT Changed();
}

int AutoScrollMotion::TextOffset() const {
    if (!FBounce)
        return FView - FPosition;
    // A bouncing text shorter than the view stays put at the leading edge.
    return TextLongerThanView() ? -FPosition : 0;
}

void AutoScrollMotion::Step() {
    if (FDragging)
        return;
    const int before = FPosition;
    MoveTo(FPosition + qint64{FDirection} * FSpeed);
    if (FPosition != before)
        return;
    if (FBounce)
        FDirection = -FDirection;
    else if (FSpeed > 0)
        SetPosition(0);
    else if (FSpeed < 0)
        SetPosition(FText + FView);
    Pause();
}

void AutoScrollMotion::Pause() {
    if (FPauseTime <= 0)
        return;
    FPaused = true;
    FPauseTimeInEffect = FPauseTime;
    Q_EMIT StepIntervalChanged(FPauseTimeInEffect);
    Q_EMIT PauseStarted();
}

void AutoScrollMotion::Continue() {
    FPaused = false;
    Q_EMIT StepIntervalChanged(FInterval);
    Q_EMIT PauseEnded();
}

void AutoScrollMotion::StartDrag(int grabOffset) {
    FDragging = true;
    FGrabOffset = grabOffset;
}

void AutoScrollMotion::DragTo(int pointerOffset) {
    const qint64 target = qint64{FGrabOffset} - pointerOffset + FPosition;
    bool allow = true;
    Q_EMIT CanDragMove(Limited(target), allow);
    if (allow)
        MoveTo(target);
    Q_EMIT DragMoved();
}
