#include "install/InstallExecution.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/CollectingInteraction.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Installing N object files of 8 KB into an empty game folder, at two sizes (the time per
// file should stay the same), and the install of 10,000 such files against `cp -p` of the
// same files into one folder (install_per_cp: our time divided by cp's). Both keep the
// files' times and permissions; each run starts from an empty target, with the sources
// read once before timing so both find them cached.

namespace {
constexpr qsizetype FileSize = 8 * 1024;

// Downloads of object files, and a fresh game folder and database for every install.
class Downloads {
public:
    explicit Downloads(int count) {
        for (int i = 0; i < count; ++i) {
            const QString path = FFolder.filePath(QStringLiteral("dl/object-%1.iff").arg(i));
            WriteFixtureFile(path, QByteArray(FileSize, char('a' + i % 26)));
            FFiles.append({.SourcePath = path,
                           .Kind = ContentKind::Objects,
                           .DisplayName = path,
                           .Comment = QStringLiteral("benchmark")});
            FPaths.append(path);
        }
        FLanguage.SetDefaultLanguage(BuiltInEnglishLines());
    }

    // Milliseconds to install every download into a new game folder named run.
    double Install(const QString& run) {
        QDir().mkpath(FFolder.filePath(run));
        const InstallRequest request{.Files = FFiles,
                                     .GameFolder = FFolder.filePath(run) + QLatin1Char('/'),
                                     .Packs = {},
                                     .FileExistsDefault = FileExistsAnswer::OverwriteAll,
                                     .DatabaseFile =
                                         FFolder.filePath(run + QStringLiteral(".iff"))};
        CollectingInteraction user;
        QElapsedTimer timer;
        timer.start();
        const InstallResult result = InstallTickedFiles(request, FLanguage, user);
        const double elapsed = double(timer.nsecsElapsed()) / 1e6;
        return result.Count == FFiles.size() ? elapsed : -1;
    }

    // Milliseconds `cp -p` takes to copy every download into a new folder named run.
    double Copy(const QString& run) {
        const QString target = FFolder.filePath(run);
        QDir().mkpath(target);
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        QElapsedTimer timer;
        timer.start();
        process.start(QStringLiteral("cp"),
                      QStringList{QStringLiteral("-p")} + FPaths + QStringList{target});
        const bool ok = process.waitForFinished(-1) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
        return ok ? double(timer.nsecsElapsed()) / 1e6 : -1;
    }

    // Reads every download once so that both sides find them cached.
    void Warm() {
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral("cat"), FPaths);
        process.waitForFinished(-1);
    }

private:
    QTemporaryDir FFolder;
    QList<TickedFile> FFiles;
    QStringList FPaths;
    TLanguage FLanguage;
};

void BM_InstallFiles(benchmark::State& state) {
    const int count = static_cast<int>(state.range(0));
    Downloads downloads(count);
    downloads.Warm();
    int run = 0;
    for (auto _ : state) {
        const double elapsed = downloads.Install(QStringLiteral("game-%1").arg(run++));
        if (elapsed < 0)
            state.SkipWithError("the install failed");
        state.SetIterationTime(elapsed / 1000);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_InstallAgainstCp(benchmark::State& state) {
    Downloads downloads(10000);
    downloads.Warm();
    double install = 0;
    double copy = 0;
    int run = 0;
    for (auto _ : state) {
        const double installed = downloads.Install(QStringLiteral("game-%1").arg(run));
        const double copied = downloads.Copy(QStringLiteral("cp-%1").arg(run++));
        if (installed < 0 || copied < 0)
            state.SkipWithError("the install or cp failed");
        install += installed;
        copy += copied;
    }
    const double runs = double(state.iterations());
    state.counters["install_ms"] = install / runs;
    state.counters["cp_ms"] = copy / runs;
    state.counters["install_per_cp"] = install / copy;
}
} // namespace

BENCHMARK(BM_InstallFiles)
    ->Arg(2000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK(BM_InstallAgainstCp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK_MAIN();
