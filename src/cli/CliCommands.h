#pragma once

#include "cli/CliIo.h"

// One function per command group; args are the words after the group's name.
int RunIffCommand(const QStringList& args, CliIo& io);
int RunFarCommand(const QStringList& args, CliIo& io);
int RunDbCommand(const QStringList& args, CliIo& io);
int RunInstallCommand(const QStringList& args, CliIo& io);
int RunContentCommand(const QStringList& args, CliIo& io);
int RunDeleteCommand(const QStringList& args, CliIo& io);
int RunGameFilesCommand(const QStringList& args, CliIo& io);
// "scan" has no subcommands: args are its options and paths.
int RunScanCommand(const QStringList& args, CliIo& io);
int RunExportCommand(const QStringList& args, CliIo& io);
// Undoes unfinished operations and nothing else.
int RunRecoverCommand(const QStringList& args, CliIo& io);
// Lists, purges and undoes committed operations.
int RunHistoryCommand(const QStringList& args, CliIo& io);
int RunUndoCommand(const QStringList& args, CliIo& io);
