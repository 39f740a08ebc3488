#pragma once

#include "cli/CliIo.h"

// The far subcommands (see CliSubcommand); args are the words after the subcommand's name.
int RunFarList(const QStringList& args, CliIo& io);
int RunFarExtract(const QStringList& args, CliIo& io);
int RunFarCreate(const QStringList& args, CliIo& io);
int RunFarAdd(const QStringList& args, CliIo& io);
int RunFarRemove(const QStringList& args, CliIo& io);
int RunFarPack(const QStringList& args, CliIo& io);
int RunFarCandidates(const QStringList& args, CliIo& io);
