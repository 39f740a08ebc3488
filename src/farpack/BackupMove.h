#pragma once

#include "fileutil/FileCopy.h"

#include <QString>

// Copies source to target and returns the number of bytes copied, or -1.
using FileCopier = qint64 (*)(const QString& source, const QString& target);

// Moves a file to a free target with its modification time and attributes. Within one file
// system this is a rename; across file systems the source is deleted only once a copy of
// the source's size stands at target. False leaves the source where it was, and no copy of
// this move behind; a target that is taken is never written over.
bool MoveToBackup(const QString& source, const QString& target,
                  FileCopier copy = CopyFileReplacing);

// Deletes a file, giving it write permission first: Windows refuses to delete a read-only one.
bool RemoveWritable(const QString& path);
