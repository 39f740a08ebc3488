#pragma once

#include <QString>

// True when both paths name the same file on disk (through links, case or "..").
bool IsSameFile(const QString& a, const QString& b);

// Renames from to to, replacing an existing to in one step where the system allows it.
bool RenameOver(const QString& from, const QString& to);
