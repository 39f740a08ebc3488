#pragma once

#include "language/TLanguage.h"

#include <QMainWindow>

class QTabWidget;

// The program's one window: the tabs and the master language table.
class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);

    TLanguage& Language() { return FLanguage; }
    QTabWidget* Pages() const { return FPages; }

private:
    void LanguageLanguageLoaded();

    TLanguage FLanguage;
    QTabWidget* FPages;
};
