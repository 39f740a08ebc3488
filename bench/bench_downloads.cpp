#include "support/ArchiveFixtures.h"
#include "support/FileFixtures.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>

// `packwright-cli install --yes` of a whole downloads folder, N archives of five object files
// each (zip, 7z and RAR in turn, about 170 KB a file: 600 archives make 3,000 files and some
// 500 MB), against the system tools doing the same work: `unzip -j`, `7z e` or `bsdtar -x` of
// each archive into a scratch folder, `cp` of every file into the game folder, `sync`.
// Prints both times (install_ms, tools_ms), their ratio (install_per_tools), the time per
// archive (to show the growth is linear), the processor time of each side (install_cpu_s,
// tools_cpu_s) and the install's peak resident memory (peak_MB).
// The downloads are made once into bench-cache/ in the build folder and kept.

extern char** environ;

namespace {
constexpr int FilesPerArchive = 5;
constexpr qsizetype FileSize = 170 * 1024;

const ArchiveFormat Mix[] = {ArchiveFormat::Zip, ArchiveFormat::SevenZip, ArchiveFormat::Rar4};

// Game files are partly packed data, partly repeated structure: a third noise, the rest
// a repeated block, so that the archives compress about as real downloads do.
QByteArray ObjectBytes(quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray noise(FileSize / 3, '\0');
    for (char& byte : noise)
        byte = char(random.bounded(256));
    QByteArray bytes = noise;
    while (bytes.size() < FileSize)
        bytes += noise.left(4096);
    return bytes.left(FileSize);
}

QString DownloadsFolder(int archives) {
    const QString folder = QStringLiteral(PACKWRIGHT_BENCH_CACHE "/downloads-%1").arg(archives);
    const QString done = folder + QStringLiteral("/.complete");
    if (QFile::exists(done))
        return folder;
    for (int i = 0; i < archives; ++i) {
        std::vector<ArchiveFixtureEntry> entries;
        for (int k = 0; k < FilesPerArchive; ++k)
            entries.push_back(
                {.Name = QStringLiteral("pack%1/object-%1-%2.iff").arg(i).arg(k).toUtf8(),
                 .Data = ObjectBytes(quint32(i * FilesPerArchive + k))});
        const ArchiveFormat format = Mix[i % 3];
        WriteFixtureFile(folder + QStringLiteral("/pack-%1").arg(i) + ArchiveExtension(format),
                         BuildArchive(format, entries));
    }
    WriteFixtureFile(done, {});
    return folder;
}

double Seconds(const timeval& time) {
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

struct ChildRun {
    double Milliseconds = -1;
    long PeakKilobytes = 0;
    // User and system time of the child and of every process it waited for: on a busy
    // machine the fairer comparison.
    double CpuSeconds = 0;
};

// Runs the program to its end with its output thrown away; the time and the child's own
// peak resident memory, or a negative time when it failed.
ChildRun RunChild(const QStringList& args, const QByteArray& extraEnvironment = {}) {
    std::vector<QByteArray> words;
    for (const QString& arg : args)
        words.push_back(QFile::encodeName(arg));
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    QByteArray extra = extraEnvironment;
    std::vector<char*> envp;
    if (!extra.isEmpty())
        envp.push_back(extra.data());
    for (char** variable = environ; *variable; ++variable)
        envp.push_back(*variable);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    timespec start{};
    timespec end{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (spawned != 0 || wait4(child, &status, 0, &usage) != child)
        return {};
    clock_gettime(CLOCK_MONOTONIC, &end);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    return {.Milliseconds =
                double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6,
            .PeakKilobytes = usage.ru_maxrss,
            .CpuSeconds = Seconds(usage.ru_utime) + Seconds(usage.ru_stime)};
}

// A fresh game folder and program folder for each run, beside the downloads so that both
// sides write to the same disk.
class Run {
public:
    explicit Run(const QString& name) : FRoot(QStringLiteral(PACKWRIGHT_BENCH_CACHE "/") + name) {
        QDir(FRoot).removeRecursively();
        QDir().mkpath(Objects());
        QDir().mkpath(FRoot + QStringLiteral("/home"));
        QDir().mkpath(FRoot + QStringLiteral("/scratch"));
    }
    ~Run() { QDir(FRoot).removeRecursively(); }
    Run(const Run&) = delete;
    Run& operator=(const Run&) = delete;

    QString Path(const QString& name) const { return FRoot + u'/' + name; }
    QString Objects() const { return FRoot + QStringLiteral("/game/GameData/UserObjects"); }
    qsizetype Installed() const { return QDir(Objects()).entryList(QDir::Files).size(); }

private:
    QString FRoot;
};

ChildRun Install(const QString& downloads, const Run& run) {
    return RunChild({QStringLiteral(PACKWRIGHT_CLI), QStringLiteral("install"),
                     QStringLiteral("--yes"), QStringLiteral("--game"),
                     run.Path(QStringLiteral("game")), QStringLiteral("--packs"),
                     QStringLiteral("all"), QStringLiteral("--on-conflict"),
                     QStringLiteral("overwrite"), downloads},
                    "PACKWRIGHT_HOME=" + QFile::encodeName(run.Path(QStringLiteral("home"))));
}

// One shell doing the tools' work: every archive into a scratch folder of its own by the
// tool for its type, every file copied into the game folder, then sync.
ChildRun Tools(const QString& downloads, const Run& run) {
    const char* const script = R"(objects="$1"; scratch="$2"; shift 2
for archive in "$@"; do
  out="$scratch/${archive##*/}"; mkdir "$out" || exit 1
  case "$archive" in
    *.zip) unzip -q -o -j "$archive" -d "$out" ;;
    *.7z) 7z e -bd -y "$archive" -o"$out" > /dev/null ;;
    *) bsdtar -x -f "$archive" -C "$out" ;;
  esac || exit 1
  find "$out" -type f -exec cp -t "$objects" {} + || exit 1
done
sync)";
    QStringList archives;
    for (const QString& name : QDir(downloads).entryList(QDir::Files))
        archives.append(downloads + u'/' + name);
    return RunChild(QStringList{QStringLiteral("sh"), QStringLiteral("-c"),
                                QString::fromUtf8(script), QStringLiteral("tools"), run.Objects(),
                                run.Path(QStringLiteral("scratch"))} +
                    archives);
}

void BM_InstallDownloadsAgainstTools(benchmark::State& state) {
    const int archives = static_cast<int>(state.range(0));
    const QString downloads = DownloadsFolder(archives);
    RunChild({QStringLiteral("sh"), QStringLiteral("-c"),
              QStringLiteral("cat \"$0\"/* > /dev/null"), downloads});
    const qsizetype files = qsizetype(archives) * FilesPerArchive;
    double ours = 0;
    double tools = 0;
    double oursCpu = 0;
    double toolsCpu = 0;
    long peak = 0;
    for (auto _ : state) {
        const Run installRun(QStringLiteral("install"));
        const ChildRun install = Install(downloads, installRun);
        const Run toolsRun(QStringLiteral("tools"));
        const ChildRun tool = Tools(downloads, toolsRun);
        if (install.Milliseconds < 0 || installRun.Installed() != files)
            state.SkipWithError("the install failed or left files out");
        if (tool.Milliseconds < 0 || toolsRun.Installed() != files)
            state.SkipWithError("the tools failed");
        ours += install.Milliseconds;
        tools += tool.Milliseconds;
        oursCpu += install.CpuSeconds;
        toolsCpu += tool.CpuSeconds;
        peak = std::max(peak, install.PeakKilobytes);
    }
    const double runs = double(state.iterations());
    state.counters["install_ms"] = ours / runs;
    state.counters["tools_ms"] = tools / runs;
    state.counters["install_per_tools"] = ours / tools;
    state.counters["install_cpu_s"] = oursCpu / runs;
    state.counters["tools_cpu_s"] = toolsCpu / runs;
    state.counters["install_ms_per_archive"] = ours / runs / archives;
    state.counters["peak_MB"] = double(peak) / 1024;
}
} // namespace

BENCHMARK(BM_InstallDownloadsAgainstTools)
    ->Arg(60)
    ->Arg(600)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
