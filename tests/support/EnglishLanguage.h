#pragma once

#include "language/BuiltInEnglish.h"
#include "language/TLanguage.h"

// A language component holding the built-in English table.
class EnglishLanguage : public TLanguage {
public:
    EnglishLanguage() { SetDefaultLanguage(BuiltInEnglishLines()); }
};
