#include "install/InstallExecution.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/CollectingInteraction.h"
#include "support/FileFixtures.h"
#include "support/ToolComparison.h"

#include <QDir>
#include <QElapsedTimer>
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
                                     .DatabaseFile = FFolder.filePath(run + QStringLiteral(".iff")),
                                     .ExtractionFolder = {}};
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
        return MillisecondsOf(QStringLiteral("cp"),
                              QStringList{QStringLiteral("-p")} + FPaths + QStringList{target});
    }

    // Reads every download once so that both sides find them cached.
    void Warm() { MillisecondsOf(QStringLiteral("cat"), FPaths); }

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
    int run = 0;
    CompareWithTool(
        state, "install", "cp",
        [&] { return downloads.Install(QStringLiteral("game-%1").arg(run)); },
        [&] { return downloads.Copy(QStringLiteral("cp-%1").arg(run++)); });
}
} // namespace

BENCHMARK(BM_InstallFiles)
    ->Arg(2000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
BENCHMARK(BM_InstallAgainstCp)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
