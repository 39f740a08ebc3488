#pragma once

#include "app/location/RegistryKeyValues.h"

#include <QString>

#include <optional>

// Reads the string values of one key from a Wine registry file ("WINE REGISTRY Version 2",
// such as a prefix's system.reg). keyPath is relative to the file's root and written with
// single backslashes ("Software\Quarn\The Vocks"); it matches without regard to letter case.
// Values of other types (dword, hex) are left out. Nothing when the file cannot be read, is
// not a Wine registry file, or lacks the key. The file is read line by line, so a huge or
// binary file costs time but never memory; overlong lines are passed over.
std::optional<RegistryKeyValues> ReadWineRegistryKey(const QString& registryFile,
                                                     const QString& keyPath);
