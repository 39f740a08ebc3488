#pragma once

#include <QString>

#include <optional>

// Why an archive library cannot be used: its error code and text.
struct ArchiveEngineFault {
    int Code = 0;
    QString Text;
};

// Proves that the zip library works before anything relies on it: writes a small archive in
// memory and reads it back. Nothing when all went well.
std::optional<ArchiveEngineFault> ProbeZipEngine();
