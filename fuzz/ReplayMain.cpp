#include "FuzzTargetTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>

namespace {
const FuzzTarget* FindTarget(const QString& name) {
    for (const FuzzTarget& target : FuzzTargets()) {
        if (target.Name == name)
            return &target;
    }
    return nullptr;
}

void RunOne(const FuzzTarget& target, const QByteArray& input) {
    target.TestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                        static_cast<size_t>(input.size()));
}

int WriteSeeds(const FuzzTarget& target, const QString& folder) {
    if (!QDir().mkpath(folder))
        return 1;
    int n = 0;
    for (const QByteArray& seed : target.Seeds()) {
        QFile file(QDir(folder).filePath(QStringLiteral("seed-%1").arg(n++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size())
            return 1;
    }
    std::printf("%d seeds written\n", n);
    return 0;
}

int ReplayFolder(const FuzzTarget& target, const QString& folder) {
    int n = 0;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            RunOne(target, file.readAll());
            ++n;
        }
    }
    return n;
}
} // namespace

// replay_fuzz TARGET [FOLDER...] replays TARGET's seeds and every saved reproducer in the
// folders: a crash or sanitizer report fails the test. replay_fuzz TARGET --write-seeds DIR
// writes the seeds for a fuzzing run.
int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    const FuzzTarget* target = FindTarget(args.value(0));
    if (target == nullptr) {
        std::fprintf(stderr, "usage: replay_fuzz TARGET [FOLDER... | --write-seeds DIR]\n");
        return 2;
    }
    if (args.value(1) == QLatin1String("--write-seeds"))
        return WriteSeeds(*target, args.value(2));
    int n = 0;
    for (const QByteArray& seed : target->Seeds()) {
        RunOne(*target, seed);
        ++n;
    }
    for (const QString& folder : args.mid(1))
        n += ReplayFolder(*target, folder);
    std::printf("%d inputs replayed\n", n);
    return 0;
}
