#include "cli/CliCommands.h"
#include "platform/LocalTimeZone.h"

#include <QCoreApplication>

#include <cstdio>

namespace {
struct CommandGroup {
    const char* Name;
    int (*Run)(const QStringList& args, CliIo& io);
};

constexpr CommandGroup Groups[] = {
    {"iff", RunIffCommand},
    {"far", RunFarCommand},
    {"db", RunDbCommand},
    {"install", RunInstallCommand},
    {"content", RunContentCommand},
    {"delete", RunDeleteCommand},
    {"gamefiles", RunGameFilesCommand},
    {"scan", RunScanCommand},
    {"export", RunExportCommand},
};

const char* const Usage = "usage: packwright-cli COMMAND [ARGS...]\n"
                          "commands:\n"
                          "  iff list|strings|sprite   read the game's IFF files\n"
                          "  far list|extract|create|add|remove   read and write FAR archives\n"
                          "  db list                   list the installed-files database\n"
                          "  install                   install files into the game folder\n"
                          "  content                   list the custom content of the game folder\n"
                          "  delete PATH...            delete custom content\n"
                          "  gamefiles --game DIR      write the list of the game's own files\n"
                          "  scan PATH...              classify files as the install tab does\n"
                          "  export                    write a list of the game folder's content\n"
                          "Every command takes --help.\n";
} // namespace

int main(int argc, char* argv[]) {
    ReadLocalTimeZoneOnce();
    QCoreApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    CliIo io{out, err};
    const QStringList args = QCoreApplication::arguments().mid(1);
    const QString group = args.value(0);
    if (group == QLatin1String("--help") || group == QLatin1String("-h")) {
        out << Usage;
        return ExitSuccess;
    }
    for (const CommandGroup& command : Groups) {
        if (group == QLatin1String(command.Name))
            return command.Run(args.mid(1), io);
    }
    return io.BadUsage(QString::fromLatin1(Usage));
}
