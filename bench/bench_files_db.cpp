#include "formats/InstalledFilesDb.h"
#include "support/CollectingInteraction.h"
#include "support/FileFixtures.h"
#include "support/FilesDbFixtures.h"
#include "support/ToolComparison.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>

// Loading and saving files.iff at two sizes, in records per second (items_per_second):
// equal rates at both sizes mean the time grows linearly. The records are spread over all
// kinds and name files that exist, so every load also checks each file is still there.
// BM_LoadSaveAgainstFind puts one load and one save of 100,000 records beside `find` printing
// the size of each of the same files, the least any check of every file costs.
// BM_DbListAgainstFind times `packwright-cli db list` of those 100,000 records against the same
// `find` (ratio list_per_find): starting the program, loading, and one line per record.

namespace {
// A database of a given size on disk, with the files it names.
class DatabaseOnDisk {
public:
    explicit DatabaseOnDisk(int records) {
        QMap<int, QList<FixtureRecord>> kinds;
        const auto allKinds = AllContentKinds();
        for (int i = 0; i < records; ++i) {
            const QString file = FFolder.filePath(QStringLiteral("content/file-%1.iff").arg(i));
            WriteFixtureFile(file, QByteArray());
            const int kind = ContentKindValue(allKinds[i % allKinds.size()].Kind);
            kinds[kind].append({file, QStringLiteral("45123.%1").arg(i),
                                QStringLiteral("comment for file %1").arg(i)});
        }
        WriteFixtureFile(Path(), BuildFilesDb(kinds));
    }

    QString Path() const { return FFolder.filePath(QStringLiteral("files.iff")); }
    QString ContentFolder() const { return FFolder.filePath(QStringLiteral("content")); }

private:
    QTemporaryDir FFolder;
};

// Built once per size: writing 100,000 files takes longer than loading them.
const DatabaseOnDisk& DatabaseOf(int records) {
    static std::map<int, std::unique_ptr<DatabaseOnDisk>> databases;
    auto& database = databases[records];
    if (!database)
        database = std::make_unique<DatabaseOnDisk>(records);
    return *database;
}

void BM_LoadFilesDb(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const QString path = DatabaseOf(records).Path();
    for (auto _ : state) {
        const InstalledFilesDb db(path);
        if (db.Count(ContentKind::Objects) == 0)
            state.SkipWithError("the database loaded empty");
    }
    state.SetItemsProcessed(state.iterations() * records);
}

void BM_SaveFilesDb(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const InstalledFilesDb db(DatabaseOf(records).Path());
    CollectingInteraction interaction;
    for (auto _ : state) {
        if (!db.Save(interaction))
            state.SkipWithError("the save failed");
    }
    state.SetItemsProcessed(state.iterations() * records);
}

double MillisecondsOf(const std::function<void()>& run) {
    QElapsedTimer timer;
    timer.start();
    run();
    return double(timer.nsecsElapsed()) / 1e6;
}

QStringList FindArgs(const QString& folder) {
    return {folder, QStringLiteral("-printf"), QStringLiteral("%s")};
}

void RunFind(const QString& folder) {
    QProcess find;
    find.setStandardOutputFile(QProcess::nullDevice());
    find.start(QStringLiteral("find"), FindArgs(folder));
    find.waitForFinished(-1);
}

void BM_LoadSaveAgainstFind(benchmark::State& state) {
    const int records = static_cast<int>(state.range(0));
    const DatabaseOnDisk& database = DatabaseOf(records);
    CollectingInteraction interaction;
    double load = 0;
    double save = 0;
    double find = 0;
    for (auto _ : state) {
        std::optional<InstalledFilesDb> db;
        load += MillisecondsOf([&] { db.emplace(database.Path()); });
        save += MillisecondsOf([&] { db->Save(interaction); });
        find += MillisecondsOf([&] { RunFind(database.ContentFolder()); });
    }
    const double runs = double(state.iterations());
    state.counters["load_ms"] = load / runs;
    state.counters["save_ms"] = save / runs;
    state.counters["find_ms"] = find / runs;
    state.counters["load_save_per_find"] = (load + save) / find;
}
void BM_DbListAgainstFind(benchmark::State& state) {
    const DatabaseOnDisk& database = DatabaseOf(static_cast<int>(state.range(0)));
    const QString cli = QStringLiteral(PACKWRIGHT_CLI);
    const QStringList listArgs = {QStringLiteral("db"), QStringLiteral("list"), database.Path()};
    CompareWithTool(
        state, "list", "find", [&] { return MillisecondsOf(cli, listArgs); },
        [&] { return MillisecondsOf(QStringLiteral("find"), FindArgs(database.ContentFolder())); });
}
} // namespace

BENCHMARK(BM_DbListAgainstFind)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_LoadSaveAgainstFind)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFilesDb)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFilesDb)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
