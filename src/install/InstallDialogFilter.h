#pragma once

#include <QString>

class TLanguage;

// The filter of the install tab's open dialog: all supported files, then one entry per
// kind of file, then all files, each caption from the language.
QString InstallDialogFilter(const TLanguage& language);
