#pragma once

#include <QString>

class TLanguage;

// The FAR tab's own values in the settings store: the last archive and backup folder.
struct FarTabSettings {
    QString FarFile;
    QString IFFDir;
};

// The stored values, each replaced by its default when empty: MyObjects.far in the game's
// GameData\UserObjects folder, and IFFBackup in the data folder.
FarTabSettings ReadFarTabSettings(const QString& gameFolder, const TLanguage& language);

// Stores both values, leaving every other setting as it is; false when the store could not
// be written.
bool WriteFarTabSettings(const FarTabSettings& settings);
