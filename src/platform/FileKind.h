#pragma once

#include <QString>

// Whether a path names an existing regular file (links followed). One system call and no
// file-information object: the database asks it of every record it loads.
bool IsRegularFile(const QString& path);
