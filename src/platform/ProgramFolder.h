#pragma once

#include <QString>

// The folder of the program's own files (files.iff, language files, readme, templates),
// with a trailing separator: the executable's folder, or PACKWRIGHT_HOME when set.
QString ProgramFolder();
