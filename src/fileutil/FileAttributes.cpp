#include "fileutil/FileAttributes.h"

namespace {
constexpr FindFilesSet AttributeBits =
    ffReadOnly | ffHidden | ffSysFile | ffVolumeID | ffDirectory | ffArchive;
}

bool PassesAttributeFilter(FindFilesSet attributes, FindFilesSet filter) {
    const FindFilesSet required = filter & AttributeBits;
    if ((attributes & required) != required)
        return false;
    return !filter.testFlag(ffAnyFile) || (attributes & AttributeBits).toInt() != 0;
}
