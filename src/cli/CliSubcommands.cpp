#include "cli/CliSubcommands.h"

#include "common/PackwrightError.h"

namespace {
// The commands' failures reach the user as a message and exit code 1.
int RunReportingFailures(const CliSubcommand& subcommand, const QStringList& args, CliIo& io) {
    try {
        return subcommand.Run(args, io);
    } catch (const EPackwrightError& error) {
        return io.Fail(error.Text());
    }
}
} // namespace

int RunSubcommand(std::span<const CliSubcommand> subcommands, const char* groupUsage,
                  const QStringList& args, CliIo& io) {
    const QString name = args.value(0);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        io.Out << groupUsage;
        return ExitSuccess;
    }
    for (const CliSubcommand& subcommand : subcommands) {
        if (name != QLatin1String(subcommand.Name))
            continue;
        const QStringList rest = args.mid(1);
        if (WantsHelp(rest)) {
            io.Out << subcommand.Usage;
            return ExitSuccess;
        }
        const int exit = RunReportingFailures(subcommand, rest, io);
        return exit == ExitBadUsage ? io.BadUsage(QString::fromLatin1(subcommand.Usage)) : exit;
    }
    return io.BadUsage(QString::fromLatin1(groupUsage));
}
