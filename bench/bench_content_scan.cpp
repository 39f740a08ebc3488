#include "formats/GameFileList.h"
#include "removal/ContentScan.h"
#include "support/IffFixtures.h"
#include "support/StringListFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <sys/resource.h>

// How fast the delete tab finds the custom content of a game folder in which one file in
// ten is custom: the game's own list is read and the folder walked and sorted. x_find is the
// wall time of one scan divided by that of `find DIR -printf '%s %p\n'` on the same folder,
// at two sizes (it should stay flat as the folder grows); x_find_cpu the same in CPU time,
// which other work on the machine disturbs less.

namespace {
constexpr int FilesPerFolder = 100;

struct Timing {
    double WallSeconds = 0;
    double CpuSeconds = 0;
};

double CpuSecondsUsed(int who) {
    rusage usage{};
    getrusage(who, &usage);
    const auto seconds = [](const timeval& time) {
        return double(time.tv_sec) + double(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct BenchGame {
    QTemporaryDir Root;
    QTemporaryDir ListFolder;
    QString ListFile;
    int Custom = 0;
    Timing Find;
};

// Best of a few runs.
Timing TimeFind(const QString& folder) {
    Timing best{1e9, 1e9};
    for (int run = 0; run < 3; ++run) {
        QProcess find;
        find.setStandardOutputFile(QProcess::nullDevice());
        const double cpuBefore = CpuSecondsUsed(RUSAGE_CHILDREN);
        QElapsedTimer timer;
        timer.start();
        find.start(QStringLiteral("find"),
                   {folder, QStringLiteral("-printf"), QStringLiteral("%s %p\n")});
        if (!find.waitForFinished(-1) || find.exitCode() != 0)
            return {};
        best.WallSeconds = std::min(best.WallSeconds, double(timer.nsecsElapsed()) / 1e9);
        best.CpuSeconds = std::min(best.CpuSeconds, CpuSecondsUsed(RUSAGE_CHILDREN) - cpuBefore);
    }
    return best;
}

// Objects in folders of a hundred; every tenth is custom, the others are in the game's list.
const BenchGame& GameOfFiles(int fileCount) {
    static std::map<int, std::unique_ptr<BenchGame>> games;
    std::unique_ptr<BenchGame>& game = games[fileCount];
    if (game)
        return *game;
    game = std::make_unique<BenchGame>();
    QList<FixtureString> shipped;
    for (int i = 0; i < fileCount; ++i) {
        const QString relative =
            QStringLiteral("GameData/Objects/f%1/o%2.iff").arg(i / FilesPerFolder).arg(i);
        QDir().mkpath(game->Root.filePath(relative.section(u'/', 0, -2)));
        QFile file(game->Root.filePath(relative));
        if (!file.open(QIODevice::WriteOnly))
            return *game;
        if (i % 10 == 0)
            ++game->Custom;
        else
            shipped.append({.Value = relative.toUtf8().replace('/', '\\')});
    }
    QList<FixtureChunk> chunks;
    for (qsizetype first = 0; first < shipped.size(); first += 0xFFFF)
        chunks.append(
            {.Type = "STR#",
             .Id = 100,
             .Data = BuildStringList(FixtureListFormat::Values, shipped.mid(first, 0xFFFF))});
    game->ListFile = game->ListFolder.filePath(QStringLiteral("QuarnFiles.iff"));
    QFile list(game->ListFile);
    if (list.open(QIODevice::WriteOnly))
        list.write(BuildIffFile(chunks));
    game->Find = TimeFind(game->Root.path());
    return *game;
}

void ScanGame(benchmark::State& state) {
    const BenchGame& game = GameOfFiles(int(state.range(0)));
    if (game.Find.WallSeconds <= 0 || game.Find.CpuSeconds <= 0) {
        state.SkipWithError("the game folder or find could not be set up");
        return;
    }
    qsizetype found = 0;
    const double cpuBefore = CpuSecondsUsed(RUSAGE_SELF);
    QElapsedTimer timer;
    timer.start();
    for (auto _ : state) {
        const GameFileList shipped = *GameFileList::Load(game.ListFile);
        found =
            ScanGameFolder(game.Root.path(), shipped).List(FoundListId::ObjectsInObjects).size();
    }
    if (found != game.Custom)
        state.SkipWithError("the scan found other files than the custom ones");
    const double scans = double(state.iterations());
    state.counters["x_find"] = double(timer.nsecsElapsed()) / 1e9 / scans / game.Find.WallSeconds;
    state.counters["x_find_cpu"] =
        (CpuSecondsUsed(RUSAGE_SELF) - cpuBefore) / scans / game.Find.CpuSeconds;
}
BENCHMARK(ScanGame)->Arg(21'000)->Arg(50'000)->Unit(benchmark::kMillisecond);
} // namespace
