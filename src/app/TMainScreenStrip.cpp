#include "app/TMainScreenStrip.h"

#include "app/StripStops.h"
#include "widgets/TAutoScroll.h"

#include <QHBoxLayout>

namespace {
constexpr int SmoothInterval = 80;
constexpr int MessagePause = 3500;
constexpr int SideSpacing = 4;
constexpr int BevelHeight = 2;

// The stops follow the text as the strip measured it, whatever the font.
StripStops StopsOf(const TAutoScroll& scroll) {
    const int view = scroll.contentsRect().height();
    const int lines = std::max(1, int(scroll.Lines().size()));
    return StripStops(std::max(1, (scroll.ScrollLength() - view) / lines), view);
}
} // namespace

TMainScreenStrip::TMainScreenStrip(QWidget* owner) : QFrame(owner), FScroll(new TAutoScroll(this)) {
    setObjectName(QStringLiteral("ScrollPanel"));
    FScroll->setObjectName(QStringLiteral("MainScreenScroll"));
    FScroll->SetOrientation(OrientOpts::asVertical);
    FScroll->SetAlignment(ScrollAlignment::Centre);
    FScroll->SetInterval(SmoothInterval);
    FScroll->SetPause(0);
    FScroll->SetHoldOnMouse(false);
    FScroll->SetMouseDrag(false);
    FScroll->SetBevelOuter(TPanelBevel::None);
    FScroll->SetBevelInner(TPanelBevel::Lowered);
    // One text line and its bevel: a message fills the strip exactly.
    setFixedHeight(FScroll->fontMetrics().lineSpacing() + BevelHeight);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(SideSpacing, 0, SideSpacing, 0);
    layout->addWidget(FScroll);
    connect(FScroll, &TAutoScroll::OnCanChange, this, &TMainScreenStrip::MainScreenScrollCanChange);
    connect(FScroll, &TAutoScroll::OnContinue, this, &TMainScreenStrip::MainScreenScrollContinue);
    connect(FScroll, &TAutoScroll::OnClick, this, &TMainScreenStrip::OnClick);
}

void TMainScreenStrip::SetLines(const QStringList& lines) {
    FScroll->SetLines(lines);
}

void TMainScreenStrip::SetScrollingText(bool smooth) {
    const StripStops stops = StopsOf(*FScroll);
    if (smooth) {
        FScroll->SetInterval(SmoothInterval);
        FScroll->SetSpeed(1);
        if (!FScrollActive) {
            FScroll->SetPosition(0);
            FScroll->SetPause(MessagePause);
            FScroll->Pause();
        }
    } else {
        FScroll->SetInterval(MessagePause);
        FScroll->SetSpeed(stops.Pitch());
        if (FScrollActive)
            FScroll->SetPosition(stops.FirstStop());
    }
    FScrollActive = smooth;
}

void TMainScreenStrip::MainScreenScrollCanChange(TAutoScroll* sender, int newPosition,
                                                 bool& allowChange) {
    const StripStops stops = StopsOf(*sender);
    if (FScrollActive) {
        // Each message stays readable for a moment as it passes the middle.
        const bool stop = stops.IsMessageStop(newPosition, sender->ScrollLength());
        sender->SetPause(stop ? MessagePause : 0);
        if (stop)
            sender->Pause();
        return;
    }
    if (stops.InSteppingRange(newPosition, sender->ScrollLength()))
        return;
    allowChange = false;
    sender->SetPosition(stops.FirstStop());
}

void TMainScreenStrip::MainScreenScrollContinue(TAutoScroll* sender) {
    sender->SetPause(0);
}
