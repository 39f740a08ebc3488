#pragma once

#include "cli/CliIo.h"

#include <span>

// One command of a group ("iff list"): its name, its --help text, and what it runs.
// Run returns ExitBadUsage for arguments it cannot use; the usage is then printed.
struct CliSubcommand {
    const char* Name;
    const char* Usage;
    int (*Run)(const QStringList& args, CliIo& io);
};

// Runs the subcommand named by the first argument, answering --help for the group and
// for each subcommand; an EPackwrightError it throws becomes a message and exit code 1.
int RunSubcommand(std::span<const CliSubcommand> subcommands, const char* groupUsage,
                  const QStringList& args, CliIo& io);
