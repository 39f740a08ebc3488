#pragma once

#include "cli/CliIo.h"

#include <QString>
#include <QStringList>

#include <optional>

// The arguments of the commands on committed operations (history, undo).
struct OperationsCliArgs {
    // The folder given with --game, empty without it. The journals name every file in
    // full, so it is only checked to be a folder.
    QString Game;
    // The allowed flags that were given.
    QStringList Flags;
    // Arguments that are not options.
    QStringList Words;

    bool Has(const char* flag) const { return Flags.contains(QLatin1String(flag)); }
};

// Splits args into "--game DIR", the allowed flags and words; nothing when an option is
// unknown or DIR is missing.
std::optional<OperationsCliArgs> SplitOperationsArgs(const QStringList& args,
                                                     const QStringList& allowedFlags);

// False, once the reason is shown, when --game names no folder.
bool GameFolderExists(const OperationsCliArgs& args, CliIo& io);
