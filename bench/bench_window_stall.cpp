#include "app/WidgetInteraction.h"
#include "install/TInstallFrame.h"
#include "language/BuiltInEnglish.h"
#include "support/CollectingInteraction.h"
#include "support/FileFixtures.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

// How long the window's event loop stalls while the install tab takes in and installs
// 10,000 small files through the window's own path: the work on a worker, the real progress
// window on the window's thread. A 5 ms timer ticks on the window's thread; the largest gap
// between two ticks (5 ms when nothing stalls) is the longest stall, separately for the
// intake (which ends in building the tree of 10,000 files on the window's thread) and for
// the install. The largest gap over a second with nothing to do shows what the machine's
// load alone costs.

namespace {
constexpr int FileCount = 10000;

// The largest gap between ticks of a 5 ms timer on this thread since the last Take.
class StallMeter {
public:
    StallMeter() {
        FTimer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimer, &QTimer::timeout, [this] { Tick(); });
        FClock.start();
        FTimer.start(5);
    }
    double TakeMilliseconds() {
        Tick();
        const double largest = double(FLargest) / 1e6;
        FLargest = 0;
        return largest;
    }

private:
    void Tick() {
        const qint64 now = FClock.nsecsElapsed();
        FLargest = std::max(FLargest, now - FLast);
        FLast = now;
    }

    QTimer FTimer;
    QElapsedTimer FClock;
    qint64 FLast = 0;
    qint64 FLargest = 0;
};

// Messages are collected, not shown; the progress window is the real one.
class BenchUser : public CollectingInteraction {
public:
    std::unique_ptr<ProgressHandle> BeginProgress(const QString& caption) override {
        return FWindows.BeginProgress(caption);
    }

private:
    WidgetInteraction FWindows{nullptr};
};

// The largest gap between ticks while the window's thread has nothing else to do.
double IdleGapMilliseconds() {
    StallMeter meter;
    QEventLoop idle;
    QTimer::singleShot(1000, &idle, &QEventLoop::quit);
    idle.exec();
    return meter.TakeMilliseconds();
}

// Handles events until the tab's job has ended.
void WaitForJob(const QWidget& frame) {
    while (!frame.isEnabled())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_WindowStallDuringInstall(benchmark::State& state) {
    QTemporaryDir root;
    for (int i = 0; i < FileCount; ++i)
        WriteFixtureFile(root.filePath(QStringLiteral("dl/object-%1.iff").arg(i)),
                         QByteArray(64, char('a' + i % 26)));
    qputenv("PACKWRIGHT_HOME", QFile::encodeName(root.filePath(QStringLiteral("home"))));
    QDir().mkpath(root.filePath(QStringLiteral("home")));
    QDir().mkpath(root.filePath(QStringLiteral("temp")));
    double idleGap = 0;
    double intakeGap = 0;
    double installGap = 0;
    int run = 0;
    for (auto _ : state) {
        idleGap = std::max(idleGap, IdleGapMilliseconds());
        const QString game = root.filePath(QStringLiteral("game-%1/").arg(run++));
        QDir().mkpath(game);
        BenchUser user;
        TInstallFrame frame;
        frame.SetInteraction(user);
        frame.SetTempFolder(root.filePath(QStringLiteral("temp/")));
        frame.Language().SetDefaultLanguage(BuiltInEnglishLines());
        frame.SetVocksPath(game);
        frame.SetFileExistsDefault(FileExistsAnswer::OverwriteAll);
        frame.show();
        QElapsedTimer timer;
        timer.start();
        StallMeter meter;
        frame.SelectFiles({root.filePath(QStringLiteral("dl"))});
        WaitForJob(frame);
        intakeGap = std::max(intakeGap, meter.TakeMilliseconds());
        frame.findChild<QPushButton*>(QStringLiteral("Install"))->click();
        WaitForJob(frame);
        installGap = std::max(installGap, meter.TakeMilliseconds());
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (user.MessageTexts().size() != 1 ||
            QDir(game + QStringLiteral("GameData/UserObjects")).entryList(QDir::Files).size() !=
                FileCount)
            state.SkipWithError("the install did not copy every file");
    }
    state.counters["idle_max_gap_ms"] = idleGap;
    state.counters["intake_max_gap_ms"] = intakeGap;
    state.counters["install_max_gap_ms"] = installGap;
    std::printf("largest gap between 5 ms ticks: idle %.1f ms, intake %.1f ms, install %.1f ms\n",
                idleGap, intakeGap, installGap);
}
} // namespace

BENCHMARK(BM_WindowStallDuringInstall)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
