#pragma once

#include <QFrame>
#include <QStringList>

class TAutoScroll;

// The main window's bottom strip (ScrollPanel): short messages that scroll up one after the
// other, either smoothly with a pause on each message or stepping from message to message.
class TMainScreenStrip : public QFrame {
    Q_OBJECT

public:
    explicit TMainScreenStrip(QWidget* owner = nullptr);

    TAutoScroll* MainScreenScroll() const { return FScroll; }
    void SetLines(const QStringList& lines);
    // Smooth scrolling (the ScrollingText setting) or stepping.
    void SetScrollingText(bool smooth);
    bool ScrollActive() const { return FScrollActive; }

Q_SIGNALS:
    void OnClick();

private:
    void MainScreenScrollCanChange(TAutoScroll* sender, int newPosition, bool& allowChange);
    void MainScreenScrollContinue(TAutoScroll* sender);

    TAutoScroll* FScroll;
    bool FScrollActive = true;
};
