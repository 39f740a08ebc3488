#pragma once

#include <QString>

// Copies source to target with the source's modification time and permissions (on Windows
// its attribute bits), replacing an existing target. The copy is written under a hidden
// temporary name beside the target and renamed into place only when complete, so a copy
// that fails part-way leaves no partial target and an old target untouched. Refuses to
// copy a file onto itself. Returns the number of bytes copied, or -1.
qint64 CopyFileReplacing(const QString& source, const QString& target);
