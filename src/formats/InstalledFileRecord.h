#pragma once

#include <QString>

// One file the program installed, or packed into a FAR archive.
struct InstalledFileRecord {
    // The full path as installed; for a packed file the archive's path, a backslash and
    // the packed file's name.
    QString FileName;
    QString Comment;
    // Days since 30 December 1899, the time of day as fraction (see DayCountDate.h).
    double InstalledAt = 0;

    bool operator==(const InstalledFileRecord&) const = default;
};
