#pragma once

#include <QTabWidget>

// The main window's tab control. A change of page by the user is first offered to
// OnChanging, which may refuse it: the old page then stays, as if nothing had happened.
// An accepted change fires OnChange. A page that the program makes active with
// SetActivePage fires neither.
class TPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* owner = nullptr);

    void SetActivePage(QWidget* page);
    // The size this control needs to show a page of the given size in full.
    QSize SizeForPage(QSize pageSize) const;

Q_SIGNALS:
    void OnChanging(QWidget* leaving, bool& allowChange);
    void OnChange(QWidget* entered);

private:
    void CurrentChanged(int index);
    void ShowSilently(int index);

    int FActiveIndex = -1;
};
