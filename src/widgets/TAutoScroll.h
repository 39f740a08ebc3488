#pragma once

#include "widgets/AutoScrollMotion.h"
#include "widgets/ScrollPlacement.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

class QLabel;
class QTimer;

enum class OrientOpts { asHorizontal, asVertical };
enum class TPanelBevel { None, Lowered, Raised };

// A panel in which a block of text lines moves on a timer, vertically or horizontally,
// with pauses, an optional bounce mode, holding while the pointer rests on it and
// dragging with the left mouse button. The rules of the movement live in
// AutoScrollMotion; this widget measures the text, places it and drives the timers.
//
// Set the properties, then call Loaded() once (the first show does it otherwise): the
// step timer stays off until then. The font is Qt's (setFont); the text is measured again
// whenever it changes. Positions run from 0 to ScrollLength(); without bounce, position 0
// puts the text just outside the far edge (bottom or right) and ScrollLength() just
// outside the near edge. The text moves in the panel inside the bevels (one pixel each),
// so that panel's extent is the visible extent. The parts are named for tests:
// "InnerPanel", "MovingText" (a QLabel), "StepTimer" and "RepaintTimer".
class TAutoScroll : public QWidget {
    Q_OBJECT

public:
    explicit TAutoScroll(QWidget* owner = nullptr);

    const QStringList& Lines() const { return FLines; }
    // Shows the lines, measures them and fires OnChangeText.
    void SetLines(const QStringList& lines);

    // Switching to horizontal turns word wrap off. Default horizontal.
    OrientOpts Orientation() const { return FOrientation; }
    void SetOrientation(OrientOpts orientation);
    // Placement across the direction of travel when horizontal. Default top.
    ScrollLayout Layout() const { return FLayout; }
    void SetLayout(ScrollLayout layout);
    // Placement across the direction of travel when vertical, and the lines' alignment.
    // Default left.
    ScrollAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ScrollAlignment alignment);
    // Lines wrap at the panel's width; has no effect when horizontal. Default off.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool wordWrap);
    // Reverse at the ends instead of wrapping round. Default off.
    bool Bounce() const { return FMotion.Bounce(); }
    void SetBounce(bool bounce);

    // Pixels per step; the sign sets the direction of travel. Default 1.
    int Speed() const { return FMotion.Speed(); }
    void SetSpeed(int speed) { FMotion.SetSpeed(speed); }
    // Milliseconds between steps, applied at once (a running pause keeps its length).
    // Default 25.
    int Interval() const { return FMotion.Interval(); }
    void SetInterval(int interval) { FMotion.SetInterval(interval); }
    // Length of a pause in milliseconds; takes effect at the next Pause. Default 1000.
    int PauseTime() const { return FMotion.PauseTime(); }
    void SetPause(int pauseTime) { FMotion.SetPauseTime(pauseTime); }

    // Position taken at Loaded and whenever the component is enabled. Default 0.
    int StartPosition() const { return FStartPosition; }
    void SetStartPosition(int position);
    // The step timer runs (once loaded) exactly when enabled; enabling goes to
    // StartPosition. Default true.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool enabled);
    void Enable() { SetEnabled(true); }
    void Disable() { SetEnabled(false); }

    // No steps while the pointer is over the component. Default on.
    bool HoldOnMouse() const { return FHoldOnMouse; }
    void SetHoldOnMouse(bool hold) { FHoldOnMouse = hold; }
    // The left mouse button drags the text. Default on.
    bool MouseDrag() const { return FMouseDrag; }
    void SetMouseDrag(bool mouseDrag) { FMouseDrag = mouseDrag; }

    // Background of the panel the text moves in; invalid means the window colour.
    QColor Color() const { return FColor; }
    void SetColor(const QColor& color);
    // The two bevels of the panel's edge, one pixel each. Default outer raised, no inner.
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel bevel);
    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel bevel);

    int Position() const { return FMotion.Position(); }
    // Moves the text within the limits, asking OnCanChange first unless it is dragged.
    void SetPosition(int position);
    int ScrollLength() const { return FMotion.ScrollLength(); }
    bool Paused() const { return FMotion.Paused(); }

    // Measures the text, places it across and along the direction of travel.
    void FixSizes();
    // Starts a pause of PauseTime (only when above 0) and fires OnPause.
    void Pause() { FMotion.Pause(); }
    // Ends a pause and fires OnContinue.
    void Continue() { FMotion.Continue(); }
    // Step-timer handler while scrolling: one step, unless the pointer holds the text.
    void DoScroll();
    // Step-timer handler while paused.
    void ScrollAgain() { Continue(); }
    // Repaint-timer handler.
    void DoRepaint();
    // Ends setting up: measures, goes to StartPosition and starts the step timer when
    // enabled.
    void Loaded();
    // Fires OnClick.
    void ParseClick();

Q_SIGNALS:
    void OnCanChange(TAutoScroll* sender, int newPosition, bool& allowChange);
    void OnChange(TAutoScroll* sender);
    void OnPause(TAutoScroll* sender);
    void OnContinue(TAutoScroll* sender);
    void OnChangeText(TAutoScroll* sender);
    void OnMouseDragStart(TAutoScroll* sender);
    void OnCanMouseDragMove(TAutoScroll* sender, int newPosition, bool& allowChange);
    void OnMouseDragMove(TAutoScroll* sender);
    void OnMouseDragEnd(TAutoScroll* sender);
    void OnClick(TAutoScroll* sender);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Mouse handlers of the inner panel and the text, in the text's coordinates.
    void MouseDragStart(Qt::MouseButton button, QPoint inText);
    void MouseDragGo(QPoint inText);
    void MouseDragEnd();

    bool Vertical() const { return FOrientation == OrientOpts::asVertical; }
    bool Wrapping() const { return FWordWrap && Vertical(); }
    bool PointerInside() const;
    void PlaceText();
    void UpdateBevelMargins();
    void UpdateStepTimer();

    AutoScrollMotion FMotion;
    QWidget* FInner;
    QLabel* FText;
    QTimer* FStepTimer;
    QTimer* FRepaintTimer;
    QStringList FLines;
    OrientOpts FOrientation = OrientOpts::asHorizontal;
    ScrollLayout FLayout = ScrollLayout::Top;
    ScrollAlignment FAlignment = ScrollAlignment::Left;
    bool FWordWrap = false;
    int FStartPosition = 0;
    bool FEnabled = true;
    bool FLoaded = false;
    bool FHoldOnMouse = true;
    bool FMouseDrag = true;
    QColor FColor;
    TPanelBevel FBevelOuter = TPanelBevel::Raised;
    TPanelBevel FBevelInner = TPanelBevel::None;
    Qt::MouseButton FPressedButton = Qt::NoButton;
};
