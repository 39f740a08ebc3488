#pragma once

#include "cli/CliIo.h"

#include <optional>

// The iff commands; each returns ExitBadUsage for arguments it cannot use.
int RunIffList(const QStringList& args, CliIo& io);
int RunIffStrings(const QStringList& args, CliIo& io);
int RunIffSprite(const QStringList& args, CliIo& io);

// Fails with a message when the file exists but is no IFF file; nothing when it may be read.
std::optional<int> RefuseNonIffFile(const QString& fileName, CliIo& io);

// A chunk id as the user typed it: 0 to 65535.
std::optional<int> ParseChunkId(const QString& text);
