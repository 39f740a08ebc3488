#include "app/location/FolderSearch.h"
#include "support/FileTreeFixtures.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// How fast the search for the game's program file walks a tree, in folders per second, at
// two sizes (growth should be linear). The progress window's repaint per folder comes on
// top of this.

namespace {
void BM_SearchFolderTrees(benchmark::State& state) {
    QTemporaryDir root;
    if (MakeFileTree(root.path(), static_cast<int>(state.range(0))) < 0) {
        state.SkipWithError("cannot make the tree");
        return;
    }
    const QStringList roots{root.path() + u'/'};
    qint64 folders = 0;
    for (auto _ : state) {
        const QStringList hits = SearchFolderTrees(roots, QStringLiteral("Vocks.exe"),
                                                   [&](const QString&) { ++folders; });
        benchmark::DoNotOptimize(hits);
    }
    state.counters["folders_per_second"] =
        benchmark::Counter(static_cast<double>(folders), benchmark::Counter::kIsRate);
}
} // namespace

BENCHMARK(BM_SearchFolderTrees)->Arg(20000)->Arg(80000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
