#include "fileutil/TFiles.h"
#include "support/FileTreeFixtures.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <sys/resource.h>

// How fast TFiles lists a whole tree, in entries per second at two sizes (growth should be
// linear), against `find DIR > /dev/null` on the same tree. x_find is the wall time of one
// listing divided by find's; x_find_cpu the same in CPU time, which other work on the
// machine disturbs less. Plain find reads no file sizes, so x_stat_cpu compares with
// `find -printf "%s %m"`, which reads the size and mode of every entry as TFiles must.

namespace {
struct Timing {
    double WallSeconds = 0;
    double CpuSeconds = 0;
};

double CpuSecondsUsed(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& time) { return time.tv_sec + time.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Best of a few runs, so the start-up of the process weighs as little as it can.
Timing TimeFind(const QStringList& arguments) {
    Timing best{1e9, 1e9};
    for (int run = 0; run < 5; ++run) {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        const double cpuBefore = CpuSecondsUsed(RUSAGE_CHILDREN);
        QElapsedTimer timer;
        timer.start();
        find.start(QStringLiteral("find"), arguments);
        if (!find.waitForFinished(-1) || find.exitCode() != 0)
            return {};
        best.WallSeconds = std::min(best.WallSeconds, double(timer.nsecsElapsed()) / 1e9);
        best.CpuSeconds = std::min(best.CpuSeconds, CpuSecondsUsed(RUSAGE_CHILDREN) - cpuBefore);
    }
    return best;
}

struct BenchTree {
    QTemporaryDir Root;
    int Entries = -1;
    Timing Find;
    Timing FindWithStat;
};

// One tree per size, made on first use and kept for every run of the benchmark.
const BenchTree& TreeOfFiles(int fileCount) {
    static std::map<int, std::unique_ptr<BenchTree>> trees;
    std::unique_ptr<BenchTree>& tree = trees[fileCount];
    if (!tree) {
        tree = std::make_unique<BenchTree>();
        const QString root = tree->Root.path();
        tree->Entries = MakeFileTree(root, fileCount);
        tree->Find = TimeFind({root});
        tree->FindWithStat = TimeFind({root, QStringLiteral("-printf"), QStringLiteral("%s %m\n")});
    }
    return *tree;
}

void ListWholeTree(benchmark::State& state) {
    const BenchTree& tree = TreeOfFiles(int(state.range(0)));
    if (tree.Entries < 0 || tree.Find.WallSeconds <= 0 || tree.FindWithStat.CpuSeconds <= 0) {
        state.SkipWithError("the tree or find could not be set up");
        return;
    }
    TFiles files;
    files.SetDirectory(tree.Root.path());
    files.SetRecursive(true);
    const double cpuBefore = CpuSecondsUsed(RUSAGE_SELF);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        files.FindFiles();
        benchmark::DoNotOptimize(files.Files().size());
    }
    const double listings = double(state.iterations());
    const double wallPerListing = double(timer.nsecsElapsed()) / 1e9 / listings;
    const double cpuPerListing = (CpuSecondsUsed(RUSAGE_SELF) - cpuBefore) / listings;
    if (files.Files().size() != tree.Entries)
        state.SkipWithError("the listing missed entries");
    state.SetItemsProcessed(state.iterations() * tree.Entries);
    state.counters["entries"] = tree.Entries;
    state.counters["x_find"] = wallPerListing / tree.Find.WallSeconds;
    state.counters["x_find_cpu"] = cpuPerListing / tree.Find.CpuSeconds;
    state.counters["x_stat_cpu"] = cpuPerListing / tree.FindWithStat.CpuSeconds;
}
BENCHMARK(ListWholeTree)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
} // namespace
