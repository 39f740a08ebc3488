#include "FuzzSeeds.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
void RunOne(const QByteArray& input) {
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()),
                           static_cast<size_t>(input.size()));
}

int WriteSeeds(const QString& folder) {
    if (!QDir().mkpath(folder))
        return 1;
    int n = 0;
    for (const QByteArray& seed : FuzzSeeds()) {
        QFile file(QDir(folder).filePath(QStringLiteral("seed-%1").arg(n++)));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed) != seed.size())
            return 1;
    }
    std::printf("%d seeds written\n", n);
    return 0;
}

int ReplayFolder(const QString& folder) {
    int n = 0;
    QDirIterator files(folder, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly)) {
            RunOne(file.readAll());
            ++n;
        }
    }
    return n;
}
} // namespace

// Replays the seeds and every saved reproducer: a crash or sanitizer report fails the test.
int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("--write-seeds"))
        return WriteSeeds(args.value(1));
    int n = 0;
    for (const QByteArray& seed : FuzzSeeds()) {
        RunOne(seed);
        ++n;
    }
    for (const QString& folder : args)
        n += ReplayFolder(folder);
    std::printf("%d inputs replayed\n", n);
    return 0;
}
