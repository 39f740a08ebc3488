#include "cli/OperationsCliArgs.h"

#include <QFileInfo>

std::optional<OperationsCliArgs> SplitOperationsArgs(const QStringList& args,
                                                     const QStringList& allowedFlags) {
    OperationsCliArgs split;
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == u"--game" && i + 1 < args.size())
            split.Game = args[++i];
        else if (allowedFlags.contains(args[i]))
            split.Flags.append(args[i]);
        else if (args[i].startsWith(u"--"))
            return std::nullopt;
        else
            split.Words.append(args[i]);
    }
    return split;
}

bool GameFolderExists(const OperationsCliArgs& args, CliIo& io) {
    if (args.Game.isEmpty() || QFileInfo(args.Game).isDir())
        return true;
    io.Fail(QStringLiteral("no such folder: %1").arg(args.Game));
    return false;
}
