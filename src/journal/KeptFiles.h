#pragma once

#include "fileutil/DiskPath.h"
#include "fileutil/FileCopy.h"

#include <QString>

// Moving files durably: into an operation's keep folder and back, and to a free path. A
// moved file appears under its new name only once it is complete and on the disk, so a kill
// part-way never leaves a partial copy under that name.

// Copies source to target and returns the number of bytes copied, or -1.
using FileCopier = qint64 (*)(const QString& source, const QString& target);

// Moves file to kept: a rename within one file system, else a synced copy after which the
// file is deleted. False leaves the file where it was and nothing at kept, with the system's
// reason in reason when given.
bool MoveIntoKeep(const QString& file, const QString& kept, QString* reason = nullptr);

// Puts a synced copy of file at kept, file untouched.
bool CopyIntoKeep(const QString& file, const QString& kept);

// Puts kept back at file, replacing whatever stands there, and removes kept. False leaves
// kept where it was.
bool PutBack(const QString& kept, const QString& file);

// Moves file to a free target with its modification time and attributes: a rename within
// one file system; across file systems a synced copy under PartialPathFor(target) that must
// come out of the file's size, then the file is deleted and the copy takes the target's
// name. False leaves the file where it was and nothing of this move behind, with the
// system's reason in reason when given; a target that is taken is never written over.
bool MoveToFreePath(const QString& file, const QString& target, QString* reason = nullptr,
                    FileCopier copy = CopyFileReplacing);

// Undoes MoveToFreePath wherever a kill stopped it: the file at target, or the whole copy
// under the partial name once file is gone, goes back to file. A file standing at file
// means the move never happened, and whatever stands at target is not its to take back.
// False when a file could not go back.
bool MoveBack(const QString& file, const QString& target);

// True when anything stands at path, a link that leads nowhere included.
bool Occupied(const QString& path);
