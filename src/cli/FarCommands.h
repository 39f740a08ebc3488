#pragma once

#include "cli/CliIo.h"

// The far subcommands; args are the words after the subcommand's name. ExitBadUsage is
// returned without a word, so the caller shows the subcommand's usage.
int RunFarList(const QStringList& args, CliIo& io);
int RunFarExtract(const QStringList& args, CliIo& io);
int RunFarCreate(const QStringList& args, CliIo& io);
int RunFarAdd(const QStringList& args, CliIo& io);
int RunFarRemove(const QStringList& args, CliIo& io);
