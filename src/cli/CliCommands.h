#pragma once

#include "cli/CliIo.h"

// One function per command group; args are the words after the group's name.
int RunIffCommand(const QStringList& args, CliIo& io);
int RunFarCommand(const QStringList& args, CliIo& io);
int RunDbCommand(const QStringList& args, CliIo& io);
int RunInstallCommand(const QStringList& args, CliIo& io);
int RunExportCommand(const QStringList& args, CliIo& io);
