#include "archive/ArchiveExtractor.h"
#include "install/FileIntake.h"
#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"
#include "support/CollectingInteraction.h"
#include "support/ZipFixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// Intake of a folder of N files and of a zip of N entries, at two sizes (the time per file
// should stay the same), and the extraction of a large archive against `unzip -o -j` on the
// same archive (x_unzip: our time divided by unzip's).

namespace {
std::vector<ZipFixtureEntry> Entries(int count, qsizetype size) {
    std::vector<ZipFixtureEntry> entries;
    entries.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        entries.push_back({.Name = QByteArray("objects/obj") + QByteArray::number(i) + ".iff",
                           .Data = QByteArray(size, static_cast<char>('a' + i % 26))});
    return entries;
}

void Intake(const QStringList& paths, const QString& temp) {
    CollectingInteraction user;
    TLanguage language;
    language.SetDefaultLanguage(BuiltInEnglishLines());
    FileIntake intake(user, language, PackFlags{}, temp);
    intake.SelectFiles(paths);
    benchmark::DoNotOptimize(intake.Classifier().HasInstallable());
}

void BM_IntakeFolder(benchmark::State& state) {
    const QTemporaryDir root;
    const int count = static_cast<int>(state.range(0));
    QDir().mkpath(root.filePath(QStringLiteral("dl/sub")));
    for (int i = 0; i < count; ++i) {
        QFile file(root.filePath(QStringLiteral("dl/sub/obj%1.iff").arg(i)));
        file.open(QIODevice::WriteOnly);
    }
    for (auto _ : state)
        Intake({root.filePath(QStringLiteral("dl"))}, root.filePath(QStringLiteral("temp")));
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_IntakeZip(benchmark::State& state) {
    const QTemporaryDir root;
    const int count = static_cast<int>(state.range(0));
    const QString archive = root.filePath(QStringLiteral("many.zip"));
    QFile file(archive);
    file.open(QIODevice::WriteOnly);
    file.write(BuildZipArchive(Entries(count, 0)));
    file.close();
    for (auto _ : state) {
        const QString temp = root.filePath(QStringLiteral("temp"));
        EmptyTempFolder(temp);
        Intake({archive}, temp);
    }
    state.SetItemsProcessed(state.iterations() * count);
}

double UnzipSeconds(const QString& archive, const QString& folder) {
    QElapsedTimer timer;
    timer.start();
    QProcess unzip;
    unzip.setStandardOutputFile(QProcess::nullDevice());
    unzip.start(QStringLiteral("unzip"),
                {QStringLiteral("-o"), QStringLiteral("-j"), QStringLiteral("-q"), archive,
                 QStringLiteral("-d"), folder});
    unzip.waitForFinished(-1);
    return unzip.exitCode() == 0 ? double(timer.nsecsElapsed()) / 1e9 : 0;
}

void BM_ExtractLarge(benchmark::State& state) {
    const QTemporaryDir root;
    const QString archive = root.filePath(QStringLiteral("large.zip"));
    QFile file(archive);
    file.open(QIODevice::WriteOnly);
    file.write(BuildZipArchive(Entries(64, 1 << 20)));
    file.close();
    double ours = 0;
    for (auto _ : state) {
        CollectingInteraction user;
        const ArchiveExtractor extractor(user, ArchiveMessages());
        QElapsedTimer timer;
        timer.start();
        benchmark::DoNotOptimize(
            extractor.Extract(archive, archive, root.filePath(QStringLiteral("ours")),
                              [](const ArchiveEntry&, const QString& name) { return name; }));
        ours += double(timer.nsecsElapsed()) / 1e9;
    }
    const double unzip = UnzipSeconds(archive, root.filePath(QStringLiteral("unzip")));
    if (unzip > 0)
        state.counters["x_unzip"] = ours / double(state.iterations()) / unzip;
}
} // namespace

BENCHMARK(BM_IntakeFolder)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IntakeZip)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExtractLarge)->Unit(benchmark::kMillisecond);
