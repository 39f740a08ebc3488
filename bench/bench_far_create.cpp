#include "support/FileFixtures.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// `packwright-cli far create` of 2,000 files of 50 KB against `cat` of the same files into one
// file followed by `sync` of that file: both read every byte once and put it durably on the
// disk, as a crash-safe archive must, so the durable cat is the floor the archive is compared
// with (ratio far_per_cat). The files are read once before timing, so both find them cached.

namespace {
constexpr int FileCount = 2000;
constexpr int FileSize = 50 * 1024;

class FilesOnDisk {
public:
    FilesOnDisk() {
        for (int i = 0; i < FileCount; ++i) {
            QByteArray bytes(FileSize, char('a' + i % 26));
            const QString path = FFolder.filePath(QStringLiteral("in/object-%1.iff").arg(i));
            WriteFixtureFile(path, bytes);
            FPaths.append(path);
        }
    }

    const QStringList& Paths() const { return FPaths; }
    QString Archive() const { return FFolder.filePath(QStringLiteral("out.far")); }
    QString Concatenation() const { return FFolder.filePath(QStringLiteral("out.cat")); }

private:
    QTemporaryDir FFolder;
    QStringList FPaths;
};

// Milliseconds the program took, or a negative number when it failed.
double MillisecondsOf(const QString& program, const QStringList& args) {
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, args);
    const bool ok = process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    return ok ? double(timer.nsecsElapsed()) / 1e6 : -1;
}

void BM_FarCreateAgainstCat(benchmark::State& state) {
    static const FilesOnDisk files;
    const QString cli = QStringLiteral(PACKWRIGHT_CLI);
    const QStringList createArgs =
        QStringList{QStringLiteral("far"), QStringLiteral("create"), files.Archive()} +
        files.Paths();
    const QStringList catArgs =
        QStringList{QStringLiteral("-c"), QStringLiteral(R"(cat "$@" > "$0" && sync "$0")"),
                    files.Concatenation()} +
        files.Paths();
    MillisecondsOf(QStringLiteral("sh"), catArgs);
    double far = 0;
    double cat = 0;
    for (auto _ : state) {
        QFile::remove(files.Archive());
        const double create = MillisecondsOf(cli, createArgs);
        QFile::remove(files.Concatenation());
        const double read = MillisecondsOf(QStringLiteral("sh"), catArgs);
        if (create < 0 || read < 0)
            state.SkipWithError("far create or cat failed");
        far += create;
        cat += read;
    }
    const double runs = double(state.iterations());
    state.counters["far_ms"] = far / runs;
    state.counters["cat_ms"] = cat / runs;
    state.counters["far_per_cat"] = far / cat;
}
} // namespace

BENCHMARK(BM_FarCreateAgainstCat)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
