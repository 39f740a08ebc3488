#include "app/ScreenshotTour.h"

#include "app/about/TAboutBox.h"
#include "app/TMainForm.h"
#include "app/TPageControl.h"
#include "install/TInstallFrame.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

namespace {
// Lets timers and painting run, so the strip and the credits have moved into view.
void Settle(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// The delete tab shows a file's details and preview only once one is selected: the first
// object, so the picture is in view. The tab loads on a worker, its controls off until then.
void SelectFirstObject(QWidget& page) {
    auto* deleteFrame = page.findChild<QWidget*>(QStringLiteral("DeleteFrame"));
    auto* tree =
        deleteFrame ? deleteFrame->findChild<QTreeView*>(QStringLiteral("FilesTree")) : nullptr;
    if (!tree || !tree->model())
        return;
    for (int waited = 0; !deleteFrame->isEnabled() && waited < 60'000; waited += 50)
        Settle(50);
    const QModelIndexList objects =
        tree->model()->match(tree->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("*.iff"),
                             1, Qt::MatchWildcard | Qt::MatchRecursive);
    if (!objects.isEmpty())
        tree->setCurrentIndex(objects.first());
}

void Save(QWidget& widget, const QDir& folder, const QString& name) {
    widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

// The install tab's second step: the downloads dropped on it, every question the intake asks
// closed unanswered as it comes (which declines it), so the tour never waits for a hand.
void DropOnInstallTab(TMainForm& form, const QStringList& downloads) {
    auto* installFrame = form.findChild<TInstallFrame*>(QStringLiteral("InstallFrame"));
    if (!installFrame)
        return;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* question = QApplication::activeModalWidget())
            question->close();
    });
    closer.start(50);
    installFrame->SelectFiles(downloads);
    // The intake runs on a worker, with the window's controls off until it ends; questions
    // may come until then. A minute is far more than the sandbox's downloads take.
    for (int waited = 0; !installFrame->isEnabled() && waited < 60'000; waited += 50)
        Settle(50);
}

// The history of changes as the options tab's button opens it.
void SaveHistory(TMainForm& form, const QDir& folder) {
    auto* button = form.findChild<QPushButton*>(QStringLiteral("HistoryButton"));
    if (!button)
        return;
    button->click();
    auto* history = form.findChild<QDialog*>(QStringLiteral("HistoryForm"));
    if (!history)
        return;
    Settle(400);
    Save(*history, folder, QStringLiteral("5-OptionsTab-History"));
    history->close();
}
} // namespace

void RunScreenshotTour(TMainForm& form, const QString& folder) {
    const QDir target(folder);
    target.mkpath(QStringLiteral("."));
    Settle(1500);
    for (int i = 0; i < form.Pages()->count(); ++i) {
        form.Pages()->setCurrentIndex(i);
        Settle(400);
        SelectFirstObject(*form.Pages()->widget(i));
        Settle(100);
        Save(form, target,
             QStringLiteral("%1-%2").arg(i + 1).arg(form.Pages()->widget(i)->objectName()));
    }
    // PACKWRIGHT_SCREENSHOTS_DROP=PATH: the install tab once more, with PATH dropped on it.
    const QString downloads = qEnvironmentVariable("PACKWRIGHT_SCREENSHOTS_DROP");
    if (!downloads.isEmpty()) {
        form.Pages()->setCurrentIndex(0);
        DropOnInstallTab(form, {downloads});
        Settle(400);
        Save(form, target, QStringLiteral("1-InstallTabWithDownloads"));
    }
    SaveHistory(form, target);
    TAboutBox& about = *form.AboutBox();
    about.show();
    // The credits scroll slowly; let a few lines in.
    Settle(5000);
    Save(about, target, QStringLiteral("7-AboutBox"));
    about.hide();
    form.close();
}
