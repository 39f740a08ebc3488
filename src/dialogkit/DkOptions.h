#pragma once

#include <QFlags>

// What a file dialog insists on. Dialogkit dialogs are always resizable and never show a
// read-only box.
enum class TDkOption {
    HidePlacesBar = 0x1,    // no places bar (the side list of common folders)
    FileMustExist = 0x2,    // only existing files can be chosen
    PathMustExist = 0x4,    // the chosen file's folder must exist
    OverwritePrompt = 0x8,  // a save dialog asks before choosing an existing file
    AllowMultiSelect = 0x10 // an open dialog chooses one or more files
};
Q_DECLARE_FLAGS(TDkOptions, TDkOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDkOptions)
