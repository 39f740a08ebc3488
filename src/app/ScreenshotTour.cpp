#include "app/ScreenshotTour.h"

#include "app/about/TAboutBox.h"
#include "app/TMainForm.h"
#include "app/TPageControl.h"

#include <QDir>
#include <QEventLoop>
#include <QTimer>

namespace {
// Lets timers and painting run, so the strip and the credits have moved into view.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget& widget, const QDir& folder, const QString& name) {
    widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}
} // namespace

void RunScreenshotTour(TMainForm& form, const QString& folder) {
    const QDir target(folder);
    target.mkpath(QStringLiteral("."));
    Settle(1500);
    for (int i = 0; i < form.Pages()->count(); ++i) {
        form.Pages()->setCurrentIndex(i);
        Settle(400);
        Save(form, target,
             QStringLiteral("%1-%2").arg(i + 1).arg(form.Pages()->widget(i)->objectName()));
    }
    TAboutBox& about = *form.AboutBox();
    about.show();
    // The credits scroll slowly; let a few lines in.
    Settle(5000);
    Save(about, target, QStringLiteral("7-AboutBox"));
    about.hide();
    form.close();
}
