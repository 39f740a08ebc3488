#pragma once

#include <QHash>
#include <QString>

#include <optional>

// Whether the system keeps a registry of its own (Windows). Elsewhere Windows programs keep
// their keys in a Wine prefix, which the caller reads itself.
bool HasSystemRegistry();

// The string values of a key under HKEY_LOCAL_MACHINE in the registry's 32-bit view, by value
// name; values of other types are left out. Nothing when the key is missing, or when the
// system has no registry.
std::optional<QHash<QString, QString>> ReadMachineKey32(const QString& keyPath);
