#pragma once

#include <QFlags>

// The attribute bits a search can ask for. The first six are the file attribute bits
// themselves; ffAnyFile is a member of the set only and stands for "at least one of them".
enum FindFiles {
    ffReadOnly = 0x01,
    ffHidden = 0x02,
    ffSysFile = 0x04,
    ffVolumeID = 0x08,
    ffDirectory = 0x10,
    ffArchive = 0x20,
    ffAnyFile = 0x40,
};
Q_DECLARE_FLAGS(FindFilesSet, FindFiles)
Q_DECLARE_OPERATORS_FOR_FLAGS(FindFilesSet)

// True when the entry's attributes carry every bit the filter names, and at least one bit
// when the filter holds ffAnyFile. An empty filter passes everything.
bool PassesAttributeFilter(FindFilesSet attributes, FindFilesSet filter);
