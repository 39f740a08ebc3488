#pragma once

#include <QString>

#include <optional>

// The name an archive entry is written under: the part after the last "\" or "/" of its
// stored name, so no folder part, drive letter or "../" can lead outside the extraction
// folder. Nothing for a name that ends up empty, "." or "..", or holds a character no file
// name may hold.
std::optional<QString> ArchiveEntryFileName(const QString& storedName);
