#include "app/TPageControl.h"

#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>

TPageControl::TPageControl(QWidget* owner) : QTabWidget(owner) {
    connect(this, &QTabWidget::currentChanged, this, &TPageControl::CurrentChanged);
}

void TPageControl::SetActivePage(QWidget* page) {
    ShowSilently(indexOf(page));
}

QSize TPageControl::SizeForPage(QSize pageSize) const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    const QSize bar = tabBar()->sizeHint();
    const QSize contents(std::max(pageSize.width(), bar.width()), pageSize.height() + bar.height());
    return style()->sizeFromContents(QStyle::CT_TabWidget, &option, contents, this);
}

void TPageControl::CurrentChanged(int index) {
    if (FActiveIndex < 0) {
        FActiveIndex = index;
        return;
    }
    // The old page stays in view while the change is being decided.
    ShowSilently(FActiveIndex);
    bool allowChange = true;
    Q_EMIT OnChanging(widget(FActiveIndex), allowChange);
    if (!allowChange)
        return;
    ShowSilently(index);
    Q_EMIT OnChange(currentWidget());
}

void TPageControl::ShowSilently(int index) {
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
    FActiveIndex = currentIndex();
}
