#include "cli/CliCommands.h"
#include "cli/ContentCliSession.h"
#include "common/DayCountDate.h"
#include "removal/ContentRecords.h"

#include <QDir>

namespace {
const char* const ContentUsage =
    "usage: packwright-cli content [--game DIR]\n"
    "Lists the custom content of the game folder as the delete tab shows it, one line per\n"
    "file in tree order: kind, display name, path, install date (ISO 8601, local time),\n"
    "comment. Entries of a FAR archive are kind 106, named by the archive's path, a\n"
    "separator and the entry's name. Without --game the stored settings name the folder.\n";

InstalledFileRecord RecordOf(InstalledFilesDb& db, const ContentFileInfo& file) {
    if (file.InFar)
        return RecordOfFarItem(db, file.Path, file.Name);
    return RecordOfFoundFile(db, file.Kind, file.Path, file.NativePath);
}
} // namespace

int RunContentCommand(const QStringList& arguments, CliIo& io) {
    QStringList args = arguments;
    if (WantsHelp(args)) {
        io.Out << ContentUsage;
        return ExitSuccess;
    }
    ContentCliSession session(io);
    const std::optional<QString> gameFolder = session.GameFolder(args);
    if (!gameFolder)
        return ExitFailure;
    if (!args.isEmpty())
        return io.BadUsage(QString::fromLatin1(ContentUsage));
    const ContentNode root = session.Load(*gameFolder);
    for (const ContentFileInfo* file : FileNodesInOrder(root)) {
        const InstalledFileRecord record = RecordOf(session.Db(), *file);
        io.Record({QString::number(ContentKindValue(file->Kind)), file->Name,
                   ContentNodePath(*file), FromDayCount(record.InstalledAt).toString(Qt::ISODate),
                   record.Comment});
    }
    return ExitSuccess;
}
