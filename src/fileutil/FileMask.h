#pragma once

#include <QStringView>

// Matches a file name against a mask in which "*" stands for any run of characters and "?"
// for one character, without regard to letter case. As on Windows, a mask ending in ".*"
// also takes names that have no extension, so "*.*" matches every name.
bool MatchesFileMask(QStringView name, QStringView mask);
