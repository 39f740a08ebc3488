#pragma once

#include <QString>

class ContentHash;

// Copies source to target with the source's modification time and permissions (on Windows
// its attribute bits), replacing an existing target. The copy is written under a hidden
// temporary name beside the target and renamed into place only when complete, so a copy
// that fails part-way leaves no partial target and an old target untouched. Refuses to
// copy a file onto itself. Returns the number of bytes copied, or -1.
qint64 CopyFileReplacing(const QString& source, const QString& target);

// The same copy, adding the bytes to hash as they are written, so that whoever records what
// the copy left need not read the file again.
qint64 CopyFileReplacing(const QString& source, const QString& target, ContentHash& hash);

// Gives the file at source a second name, target, where nothing stands yet: possible only
// where both lie on one disk whose file system allows it. False, with nothing changed,
// otherwise.
bool LinkFile(const QString& source, const QString& target);
