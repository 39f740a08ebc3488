#include "app/TPackwrightApplication.h"

#include "app/EventErrorGuard.h"
#include "app/WidgetInteraction.h"

TPackwrightApplication::TPackwrightApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("The Vocks Packwright"));
}

bool TPackwrightApplication::notify(QObject* receiver, QEvent* event) {
    WidgetInteraction interaction(activeWindow());
    return DeliverShowingErrors([&] { return QApplication::notify(receiver, event); }, interaction);
}
