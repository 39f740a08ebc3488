// Feeds arbitrary files to the language reader. Besides crashes and sanitizer reports, it
// stops when a loaded key cannot be found again, or when a copy of the table, as every
// window gets one from the main window, differs from the original.
#include "FuzzInputFile.h"
#include "language/TLanguage.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TLanguage language;
    language.LoadFile(FuzzInputFile(data, size));
    const QStringList lines = language.LoadedLines();
    for (const QString& line : lines) {
        const QString key = line.left(line.indexOf(u'='));
        if (!key.isEmpty() && !language.StringSet(key))
            std::abort();
    }
    TLanguage copy;
    language.CopyTo(copy);
    if (copy.LoadedLines() != lines || copy.LanguageName() != language.LanguageName())
        std::abort();
    return 0;
}
