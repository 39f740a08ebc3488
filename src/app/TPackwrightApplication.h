#pragma once

#include <QApplication>

// The program's application object. An exception that escapes an event handler is shown
// in an error box, and the program goes on.
class TPackwrightApplication : public QApplication {
    Q_OBJECT

public:
    TPackwrightApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
