#include "language/BuiltInEnglish.h"

#include "common/TextFile.h"

QStringList BuiltInEnglishLines() {
    // Compiled in from English.lng, the same file the build places beside the program.
    return ReadTextFileLines(QStringLiteral(":/language/English.lng")).value_or(QStringList());
}
