#pragma once

#include <QString>

// Moving files into an operation's keep folder and back. A kept file appears under its
// name only once it is complete and on the disk, so a kill part-way leaves either the file
// where it was or a whole kept copy, never a partial one under the kept name.

// Moves file to kept: a rename within one file system, else a synced copy after which the
// file is deleted. False leaves the file where it was and nothing at kept, with the system's
// reason in reason when given.
bool MoveIntoKeep(const QString& file, const QString& kept, QString* reason = nullptr);

// Puts a synced copy of file at kept, file untouched.
bool CopyIntoKeep(const QString& file, const QString& kept);

// Puts kept back at file, replacing whatever stands there, and removes kept. False leaves
// kept where it was.
bool PutBack(const QString& kept, const QString& file);

// Deletes a file, giving it write permission first: Windows refuses to delete a read-only one.
bool RemoveFile(const QString& path, QString* reason = nullptr);

// True when anything stands at path, a link that leads nowhere included.
bool Occupied(const QString& path);
