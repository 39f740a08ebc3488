#pragma once

#include "archive/ZipEngineProbe.h"

// Proves that libarchive reads what the program opens with it: writes a small gzip-compressed
// tar in memory and reads it back. Nothing when all went well.
std::optional<ArchiveEngineFault> ProbeLibArchive();

// Proves both archive libraries at start-up; the first fault found.
std::optional<ArchiveEngineFault> CheckArchiveEngines();
