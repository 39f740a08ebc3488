#include "support/FileFixtures.h"
#include "support/ToolComparison.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

// `packwright-cli far pack` of 2,000 object files of 50 KB into a new archive, moving them to
// a backup folder, against `cat` of the same files into one file, `sync` of it and `mv` of
// the files into a folder (ratio pack_per_cat_mv). Both read every byte once, put the result
// durably on the disk and move every file once. Each run starts from freshly written files,
// read once before timing so both find them cached.

namespace {
constexpr int FileCount = 2000;
constexpr int FileSize = 50 * 1024;

// A game folder holding the object files, and the places both runs write to.
class GameOnDisk {
public:
    GameOnDisk() {
        for (int i = 0; i < FileCount; ++i) {
            const QString path =
                FFolder.filePath(QStringLiteral("game/GameData/UserObjects/object-%1.iff").arg(i));
            WriteFixtureFile(path, QByteArray(FileSize, char('a' + i % 26)));
            FPaths.append(path);
        }
        QDir().mkpath(Path(QStringLiteral("home")));
        QDir().mkpath(Path(QStringLiteral("moved")));
    }

    QString Path(const QString& name) const { return FFolder.filePath(name); }
    const QStringList& Objects() const { return FPaths; }

private:
    QTemporaryDir FFolder;
    QStringList FPaths;
};

double PackMilliseconds() {
    const GameOnDisk game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PACKWRIGHT_HOME"), game.Path(QStringLiteral("home")));
    MillisecondsOf(QStringLiteral("cat"), game.Objects(), environment);
    return MillisecondsOf(QStringLiteral(PACKWRIGHT_CLI),
                          {QStringLiteral("far"), QStringLiteral("pack"), QStringLiteral("--game"),
                           game.Path(QStringLiteral("game")), QStringLiteral("--far"),
                           game.Path(QStringLiteral("game/GameData/UserObjects/My.far")),
                           QStringLiteral("--backup"), game.Path(QStringLiteral("backup"))},
                          environment);
}

double CatAndMoveMilliseconds() {
    const GameOnDisk game;
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    MillisecondsOf(QStringLiteral("cat"), game.Objects(), environment);
    const QStringList args =
        QStringList{
            QStringLiteral("-c"),
            QStringLiteral(
                R"(out="$0"; to="$1"; shift; cat "$@" > "$out" && sync "$out" && mv "$@" "$to")"),
            game.Path(QStringLiteral("out.cat")), game.Path(QStringLiteral("moved"))} +
        game.Objects();
    return MillisecondsOf(QStringLiteral("sh"), args, environment);
}

void BM_FarPackAgainstCatAndMove(benchmark::State& state) {
    CompareWithTool(state, "pack", "cat_mv", PackMilliseconds, CatAndMoveMilliseconds);
}
} // namespace

BENCHMARK(BM_FarPackAgainstCatAndMove)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
