// Feeds arbitrary bytes to the libarchive backend (7z, RAR 4 and 5, tar and its
// compressions) as an archive and extracts every entry. Besides crashes and sanitizer
// reports, it stops when anything is written outside the extraction folder, or when what
// lands there is not a plain file.
#include "FuzzExtraction.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ExtractEveryEntry(FuzzInputFile(data, size, "input.7z"));
    return 0;
}
