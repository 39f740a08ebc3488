// Feeds arbitrary files to the Wine registry reader, asking for the game's key in both
// views as the game-folder search does. Crashes, sanitizer reports and hangs are findings.
#include "app/location/WineRegistryFile.h"
#include "FuzzInputFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString file = FuzzInputFile(data, size);
    for (const char* key :
         {"Software\\Wow6432Node\\Quarn\\The Vocks", "Software\\Quarn\\The Vocks"})
        ReadWineRegistryKey(file, QLatin1String(key));
    return 0;
}
