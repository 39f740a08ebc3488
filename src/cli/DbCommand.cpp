#include "cli/CliCommands.h"
#include "cli/CliSubcommands.h"
#include "common/DayCountDate.h"
#include "common/PathRules.h"
#include "formats/InstalledFilesDb.h"
#include "platform/ProgramPlaces.h"

#include <QFileInfo>

namespace {
// The program's own database unless the user names one; a name the user gives must exist,
// while a program without a database yet simply has nothing installed.
std::optional<QString> DatabaseFile(const QStringList& args) {
    if (args.isEmpty())
        return JoinCaseInsensitive(DataFolder(), QStringLiteral("files.iff"));
    return QFileInfo(args[0]).isFile() ? std::optional(args[0]) : std::nullopt;
}

int RunDbList(const QStringList& args, CliIo& io) {
    if (args.size() > 1)
        return ExitBadUsage;
    const std::optional<QString> file = DatabaseFile(args);
    if (!file)
        return io.Fail(QStringLiteral("no such file: %1").arg(args[0]));
    const InstalledFilesDb db(*file);
    for (const ContentKindInfo& kind : AllContentKinds()) {
        const QString kindValue = QString::number(ContentKindValue(kind.Kind));
        for (int i = 0; i < db.Count(kind.Kind); ++i) {
            const InstalledFileRecord record = db.Get(kind.Kind, i);
            io.Record(
                {kindValue, record.FileName, DayCountIsoText(record.InstalledAt), record.Comment});
        }
    }
    return ExitSuccess;
}

constexpr CliSubcommand Subcommands[] = {
    {"list",
     "usage: packwright-cli db list [FILE]\n"
     "Prints one line per record of the installed-files database: kind, file name,\n"
     "install time (ISO 8601, local time), comment. FILE defaults to files.iff in the\n"
     "data folder. Records of files that no longer exist are left out.\n",
     RunDbList},
};

const char* const GroupUsage = "usage: packwright-cli db list [FILE]\n"
                               "Reads the installed-files database; every command takes --help.\n";
} // namespace

int RunDbCommand(const QStringList& args, CliIo& io) {
    return RunSubcommand(Subcommands, GroupUsage, args, io);
}
