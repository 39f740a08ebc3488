#pragma once

#include <QSettings>

#include <memory>

// The program's settings: the registry key HKCU\Software\Tarnwell\Packwright on Windows,
// an INI file in the user's configuration folder elsewhere. PACKWRIGHT_SETTINGS names an
// INI file that replaces the store (tests and the demo sandbox).
std::unique_ptr<QSettings> OpenSettingsStore();
