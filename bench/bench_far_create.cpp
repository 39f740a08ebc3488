#include "support/FileFixtures.h"
#include "support/ToolComparison.h"

#include <QFile>
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
    CompareWithTool(
        state, "far", "cat",
        [&] {
            QFile::remove(files.Archive());
            return MillisecondsOf(cli, createArgs);
        },
        [&] {
            QFile::remove(files.Concatenation());
            return MillisecondsOf(QStringLiteral("sh"), catArgs);
        });
}
} // namespace

BENCHMARK(BM_FarCreateAgainstCat)->Unit(benchmark::kMillisecond)->UseRealTime();
