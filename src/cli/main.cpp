#include "cli/CliCommands.h"
#include "cli/Recovery.h"
#include "journal/Operation.h"
#include "platform/LocalTimeZone.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

namespace {
// Commands that read or change the game folder or files.iff first undo what a killed run
// left unfinished: all of a group's subcommands (""), one of them, or none (nullptr).
struct CommandGroup {
    const char* Name;
    int (*Run)(const QStringList& args, CliIo& io);
    const char* RecoversFirst;
};

constexpr CommandGroup Groups[] = {
    {"iff", RunIffCommand, nullptr},
    {"far", RunFarCommand, "pack"},
    {"db", RunDbCommand, ""},
    {"install", RunInstallCommand, ""},
    {"content", RunContentCommand, ""},
    {"delete", RunDeleteCommand, ""},
    {"gamefiles", RunGameFilesCommand, ""},
    {"scan", RunScanCommand, nullptr},
    {"export", RunExportCommand, ""},
    {"recover", RunRecoverCommand, nullptr},
    {"history", RunHistoryCommand, ""},
    {"undo", RunUndoCommand, ""},
};

bool RecoversFirst(const CommandGroup& command, const QStringList& args) {
    if (!command.RecoversFirst || WantsHelp(args))
        return false;
    return !*command.RecoversFirst || args.value(0) == QLatin1String(command.RecoversFirst);
}

// Tests end the process part-way through an operation, as a kill would, just before the
// step this variable names; the exit code tells them it happened.
constexpr int KilledByTestExit = 86;
int KillBeforeStep = 0;

void KillWhenDue(int stepNumber) {
    if (stepNumber == KillBeforeStep)
        std::_Exit(KilledByTestExit);
}

void ArmTestKill() {
    KillBeforeStep = qEnvironmentVariableIntValue("PACKWRIGHT_TEST_KILL_BEFORE_STEP");
    if (KillBeforeStep > 0)
        SetBeforeStepHook(KillWhenDue);
}

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
                          "  recover [--game DIR]      undo changes a killed run left unfinished\n"
                          "  history [--purge]         list the changes that can be undone\n"
                          "  undo ID                   take back a completed change\n"
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
    ArmTestKill();
    for (const CommandGroup& command : Groups) {
        if (group != QLatin1String(command.Name))
            continue;
        if (RecoversFirst(command, args.mid(1)) && !RecoverFirst(io))
            return ExitFailure;
        return command.Run(args.mid(1), io);
    }
    return io.BadUsage(QString::fromLatin1(Usage));
}
