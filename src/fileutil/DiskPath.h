#pragma once

#include <QFile>
#include <QString>

#include <filesystem>
#include <optional>

// Reaching a path whose text may carry stray bytes (common/PathBytes.h), which Qt's file
// classes would spell otherwise and so miss, or find another file.

// The path as the system takes it: on Windows its UTF-16 as it is, elsewhere its bytes.
std::filesystem::path DiskPathOf(const QString& path);

// The size of the file at path, through a link; nothing when no file stands there.
std::optional<qint64> FileSizeAt(const QString& path);

// True when path is a folder itself, not a link to one.
bool IsFolderAt(const QString& path);

// Opens the file at path for reading in file.
bool OpenForReading(QFile& file, const QString& path);

// Creates a file at path, where none may stand, and opens it for writing in file; the
// system's reason when it cannot.
bool OpenNewForWriting(QFile& file, const QString& path, QString* reason = nullptr);

// Deletes a file, giving it write permission first: Windows refuses to delete a read-only
// one. A folder is never deleted.
bool RemoveFile(const QString& path, QString* reason = nullptr);
