#pragma once

#include <QString>

// Moves a file to target, replacing a file there, with its modification time and attributes.
// Within one file system this is a rename; across file systems the source is deleted only
// once a complete copy of the same size stands at target. False leaves the source where it
// was (and no copy of this move behind).
bool MoveToBackup(const QString& source, const QString& target);
