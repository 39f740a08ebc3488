#pragma once

#include "cli/CliIo.h"

#include <QString>

#include <optional>

// The game folder a command works on, with a trailing separator: the one given with --game
// (given is empty without it), else the one the options tab stored. Nothing, once the reason
// is shown, when neither is known.
std::optional<QString> ChosenGameFolder(const QString& given, CliIo& io);
