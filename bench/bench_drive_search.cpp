#include "app/location/FolderSearch.h"
#include "app/location/VocksLocation.h"
#include "app/WidgetInteraction.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// How fast the search for the game's program file walks a tree of empty folders: the bare
// walk in folders per second, and the search as the user sees it, with the progress window
// naming the folder being searched, against `find -type d` over the same tree.

namespace {
// Makes folderCount empty folders below root, a hundred to a parent.
bool MakeFolderTree(const QString& root, int folderCount) {
    QDir dir(root);
    for (int i = 0; i < folderCount; ++i) {
        if (!dir.mkpath(QStringLiteral("p%1/f%2").arg(i / 100).arg(i % 100)))
            return false;
    }
    return true;
}

double FindSeconds(const QString& root) {
    QElapsedTimer timer;
    timer.start();
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("d")});
    find.waitForFinished(-1);
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

void BM_SearchFolderTrees(benchmark::State& state) {
    QTemporaryDir root;
    if (!MakeFolderTree(root.path(), static_cast<int>(state.range(0)))) {
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

// The whole search with its progress window, timed by hand against find.
void BM_SearchWithProgressWindow(benchmark::State& state) {
    QTemporaryDir root;
    if (!MakeFolderTree(root.path(), static_cast<int>(state.range(0)))) {
        state.SkipWithError("cannot make the tree");
        return;
    }
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    WidgetInteraction interaction(nullptr);
    const QStringList roots{root.path() + u'/'};
    double searchSeconds = 0;
    double findSeconds = 0;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(SearchForVocks(roots, language, interaction));
        const double search = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(search);
        searchSeconds += search;
        findSeconds += FindSeconds(root.path());
    }
    state.counters["search_s"] = searchSeconds / static_cast<double>(state.iterations());
    state.counters["find_s"] = findSeconds / static_cast<double>(state.iterations());
    state.counters["x_find"] = searchSeconds / findSeconds;
}
} // namespace

BENCHMARK(BM_SearchFolderTrees)->Arg(21000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchWithProgressWindow)
    ->Arg(21000)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
