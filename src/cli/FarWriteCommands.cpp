// far create, far add and far remove.
#include "cli/FarCliSession.h"
#include "cli/FarCommands.h"

#include <QFileInfo>

#include <algorithm>

namespace {
// ARCHIVE followed by at least one more word, none of them an option.
bool HasArchiveAndMore(const QStringList& args) {
    return args.size() >= 2 && std::none_of(args.begin(), args.end(), [](const QString& word) {
               return word.startsWith(QLatin1Char('-'));
           });
}

// Later files replace earlier entries of the same name instead of standing beside them.
bool AddFiles(TFarFile& far, const QStringList& files) {
    far.SetReplaceExisting(true);
    return std::all_of(files.begin(), files.end(), [&](const QString& file) {
        return far.Add(QFileInfo(file).absoluteFilePath()) >= 0;
    });
}
} // namespace

int RunFarCreate(const QStringList& args, CliIo& io) {
    if (!HasArchiveAndMore(args))
        return ExitBadUsage;
    FarCliSession session(io);
    const bool created = AddFiles(session.Far(), args.mid(1)) && session.Far().SaveAs(args.first());
    return created ? ExitSuccess : ExitFailure;
}

int RunFarAdd(const QStringList& args, CliIo& io) {
    if (!HasArchiveAndMore(args))
        return ExitBadUsage;
    FarCliSession session(io);
    const bool added = session.OpenExisting(args.first()) && AddFiles(session.Far(), args.mid(1)) &&
                       session.Far().Save();
    return added ? ExitSuccess : ExitFailure;
}

int RunFarRemove(const QStringList& args, CliIo& io) {
    if (!HasArchiveAndMore(args))
        return ExitBadUsage;
    FarCliSession session(io);
    if (!session.OpenExisting(args.first()))
        return ExitFailure;
    for (const QString& name : args.mid(1)) {
        const int index = session.RequireEntry(name);
        if (index < 0)
            return ExitFailure;
        session.Far().Delete(index);
    }
    return session.Far().Save() ? ExitSuccess : ExitFailure;
}
