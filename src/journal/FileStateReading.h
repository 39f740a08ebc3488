#pragma once

#include "journal/JournalFormat.h"

#include <QString>

#include <optional>

// The size, modification time and hash of the file at path; nothing when no file stands
// there or it cannot be read.
std::optional<FileState> ReadFileState(const QString& path);
