#pragma once

#include "app/location/RegistryKeyValues.h"

#include <QString>

#include <optional>

// The game's own key HKEY_LOCAL_MACHINE\Software\Quarn\The Vocks, read-only: VOCKS_DATA
// (the game folder) and EPInstalled, EP2Installed ... EP7Installed ("1" when installed).
//
// On Windows it is read from the registry's 32-bit view. Elsewhere it is read from the Wine
// prefix's system.reg ($WINEPREFIX, else ~/.wine), first under Software\Wow6432Node (where
// a 64-bit prefix keeps the 32-bit view), then under Software. Nothing when the key is
// missing or unreadable.
std::optional<RegistryKeyValues> ReadGameRegistryKey();

// A folder as the game's key names it (a Windows path) as a folder on this computer, "/"
// separators, without a trailing separator; outside Windows mapped through the Wine
// prefix's drives. An empty text when it names no reachable drive.
QString LocalGameFolder(const QString& registryPath);
