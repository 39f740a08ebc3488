#pragma once

#include "archive/ArchiveReader.h"

#include <memory>

enum class ArchiveBackend { Zip, LibArchive };

// Whether the intake opens a file of this name as an archive: zip, 7z, rar, tar and tar
// compressed with gzip, bzip2 or xz, by their usual extensions.
bool IsArchiveName(const QString& name);

// The backend for the file: by its first bytes where they name a known format, else by its
// extension, so that a zip under another name still opens as one.
ArchiveBackend ChooseArchiveBackend(const QString& path);

// The archive opened by its backend; a reader with a fault when it cannot be read.
std::unique_ptr<ArchiveReader> OpenArchive(const QString& path, ArchiveBackend backend);
