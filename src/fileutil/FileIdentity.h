#pragma once

#include <QString>

// True when both paths name the same file on disk (through links, case or "..").
bool IsSameFile(const QString& a, const QString& b);

// Renames from to to, replacing an existing to in one step where the system allows it;
// on failure the system's reason goes to reason when given.
bool RenameOver(const QString& from, const QString& to, QString* reason = nullptr);
