#include "app/ScreenshotTour.h"
#include "app/TMainForm.h"
#include "app/TPackwrightApplication.h"
#include "platform/LocalTimeZone.h"

#include <QTimer>

int main(int argc, char* argv[]) {
    ReadLocalTimeZoneOnce();
    TPackwrightApplication application(argc, argv);
    TMainForm mainForm;
    if (!mainForm.FormCreate())
        return 1;
    mainForm.show();
    const QStringList downloads = QApplication::arguments().mid(1);
    if (!downloads.isEmpty())
        mainForm.OpenDownloads(downloads);
    // PACKWRIGHT_SCREENSHOTS=DIR: pictures of every tab into DIR, then the program ends.
    const QString screenshots = qEnvironmentVariable("PACKWRIGHT_SCREENSHOTS");
    if (!screenshots.isEmpty())
        QTimer::singleShot(0, &mainForm, [&] { RunScreenshotTour(mainForm, screenshots); });
    return QApplication::exec();
}
