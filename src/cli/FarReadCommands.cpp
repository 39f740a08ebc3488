// far list and far extract.
#include "cli/FarCliSession.h"
#include "cli/FarCommands.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {
bool IsOption(const QString& word) {
    return word.startsWith(QLatin1Char('-'));
}

struct ExtractArguments {
    QString Archive;
    QStringList Names;
    QString Folder;
};

// ARCHIVE [NAME...] -C DIR, with -C DIR anywhere.
std::optional<ExtractArguments> ParseExtract(const QStringList& args) {
    ExtractArguments parsed;
    QStringList positional;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("-C") && i + 1 < args.size() && parsed.Folder.isEmpty())
            parsed.Folder = args[++i];
        else if (IsOption(args[i]))
            return std::nullopt;
        else
            positional.append(args[i]);
    }
    if (positional.isEmpty() || parsed.Folder.isEmpty())
        return std::nullopt;
    parsed.Archive = positional.takeFirst();
    parsed.Names = positional;
    return parsed;
}

int ExtractNamed(FarCliSession& session, const QStringList& names, const QString& folder) {
    // Extract writes into a target only when it is an existing folder.
    if (!QDir().mkpath(folder))
        return session.FailItem(names.first());
    for (const QString& name : names) {
        const int index = session.RequireEntry(name);
        if (index < 0 || !session.Far().Extract(index, folder))
            return ExitFailure;
    }
    return ExitSuccess;
}
} // namespace

int RunFarList(const QStringList& args, CliIo& io) {
    if (args.size() != 1 || IsOption(args.first()))
        return ExitBadUsage;
    FarCliSession session(io);
    if (!session.OpenExisting(args.first()))
        return ExitFailure;
    const TFarFile& far = session.Far();
    for (int i = 0; i < far.GetCount(); ++i) {
        const TFarItem* item = far.GetItem(i);
        io.Record({item->Name(), QString::number(item->Size()), QString::number(item->Offset())});
    }
    return ExitSuccess;
}

int RunFarExtract(const QStringList& args, CliIo& io) {
    const std::optional<ExtractArguments> parsed = ParseExtract(args);
    if (!parsed)
        return ExitBadUsage;
    FarCliSession session(io);
    if (!session.OpenExisting(parsed->Archive))
        return ExitFailure;
    // Names keep their folders, so entries of the same file name in different folders
    // do not overwrite each other.
    session.Far().SetKeepPaths(true);
    const QString folder = QFileInfo(parsed->Folder).absoluteFilePath();
    if (parsed->Names.isEmpty())
        return session.Far().ExtractAll(folder) ? ExitSuccess : ExitFailure;
    return ExtractNamed(session, parsed->Names, folder);
}
