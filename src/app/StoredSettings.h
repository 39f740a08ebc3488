#pragma once

#include "common/ExpansionFlags.h"
#include "journal/OperationsFolder.h"

#include <QString>

#include <optional>

// What to do when a file to install already exists; the numbers are the stored ones.
enum class FileAction { Ask = 0, Overwrite = 1, Skip = 2 };

// The options as the settings store keeps them. A value that is missing, or that holds text
// where a number belongs, reads as the fallback given here.
struct StoredSettings {
    FileAction Action = FileAction::Ask;
    QString InstallBMP;
    QString Language;
    QString VocksPath;
    bool Expansion = false;
    PackFlags Packs{};
    bool OnTop = false;
    bool ScrollingText = false;
    // How much of the history of changes is kept for undo.
    Retention History;

    friend bool operator==(const StoredSettings&, const StoredSettings&) = default;
};

// The stored options; nothing while the store does not exist yet (the first run).
std::optional<StoredSettings> ReadStoredSettings();

// Writes every option and replaces the store in one step, so a failure leaves the earlier
// settings whole. Values kept by other parts of the program stay as they are. False when
// the store could not be written.
bool WriteStoredSettings(const StoredSettings& settings);
