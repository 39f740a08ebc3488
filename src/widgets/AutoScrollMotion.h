#pragma once

#include <QObject>

// The moving text's rules, free of widgets: where the text may stand along the direction
// of travel, how a step moves it, when it wraps or turns, how a pause changes the step
// timing, and how a drag turns pointer movement into a position. Positions count pixels
// travelled; the owner measures the extents and places the text at TextOffset().
class AutoScrollMotion : public QObject {
    Q_OBJECT

public:
    explicit AutoScrollMotion(QObject* owner = nullptr);

    // Text extent E and visible extent V along the direction of travel.
    void SetExtents(int text, int view);
    int TextExtent() const { return FText; }
    int ViewExtent() const { return FView; }
    // How far the text travels: E + V; with bounce and a text longer than the view, E - V.
    int ScrollLength() const;

    void SetBounce(bool bounce) { FBounce = bounce; }
    bool Bounce() const { return FBounce; }
    // Pixels per step; a negative speed runs the text the other way.
    void SetSpeed(int speed) { FSpeed = speed; }
    int Speed() const { return FSpeed; }
    // +1 or -1; bounce turns it at the ends.
    int Direction() const { return FDirection; }

    // Milliseconds between steps, applied at once unless a pause is running.
    void SetInterval(int interval);
    int Interval() const { return FInterval; }
    // Length of the next pause; 0 or less means wrapping does not pause.
    void SetPauseTime(int pauseTime) { FPauseTime = pauseTime; }
    int PauseTime() const { return FPauseTime; }
    bool Paused() const { return FPaused; }
    // What the step timer should wait now: the pause while paused, else the interval.
    int StepInterval() const { return FPaused ? FPauseTimeInEffect : FInterval; }

    int Position() const { return FPosition; }
    // Brings a requested position within the limits, asks CanChange (except while
    // dragging) and, when allowed, takes it and reports Changed.
    void SetPosition(int position);
    // Where the text's leading edge stands in the view for the current position.
    int TextOffset() const;

    // One step of Speed pixels in the current direction; at an end the text turns (bounce)
    // or wraps round, and then pauses. Nothing happens while the text is dragged.
    void Step();
    // Starts a pause of PauseTime when that is above 0.
    void Pause();
    // Ends a pause: steps resume at Interval.
    void Continue();

    // A drag that grabbed the text this far from its leading edge.
    void StartDrag(int grabOffset);
    // The pointer now stands this far from the text's leading edge.
    void DragTo(int pointerOffset);
    void EndDrag() { FDragging = false; }
    bool Dragging() const { return FDragging; }

Q_SIGNALS:
    void CanChange(int newPosition, bool& allowChange);
    void Changed();
    void PauseStarted();
    void PauseEnded();
    void StepIntervalChanged(int interval);
    void CanDragMove(int newPosition, bool& allowChange);
    void DragMoved();

private:
    int Limited(qint64 position) const;
    void MoveTo(qint64 requested);
    bool TextLongerThanView() const { return FText > FView; }

    int FText = 0;
    int FView = 0;
    bool FBounce = false;
    int FSpeed = 1;
    int FDirection = 1;
    int FInterval = 25;
    int FPauseTime = 1000;
    int FPauseTimeInEffect = 0;
    bool FPaused = false;
    int FPosition = 0;
    bool FDragging = false;
    int FGrabOffset = 0;
};
