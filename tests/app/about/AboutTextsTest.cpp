#include "app/about/AboutTexts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
// A language whose built-in table holds MadeBy, with the given translation loaded.
void Load(TLanguage& language, const QString& translation) {
    language.SetDefaultLanguage({u"[English]"_s, u"MadeBy={{Product}} by {{Author}}"_s});
    language.LoadStrings({translation});
}

const MarkedText MadeBy = {.Key = u"MadeBy",
                           .Fills = {{u"Product", u"Dialogkit"_s}, {u"Author", u"the team"_s}}};
} // namespace

TEST(RequiredMarksText, KeepsATranslationOnlyWhileItHoldsEveryMarkInAnyCase) {
    TLanguage language;
    Load(language, u"MadeBy={{AUTHOR}} schreef {{product}} ({{Author}})"_s);
    EXPECT_EQ(RequiredMarksText(language, MadeBy), u"the team schreef Dialogkit (the team)"_s);
    Load(language, u"MadeBy={{Product}} door iemand"_s);
    EXPECT_EQ(RequiredMarksText(language, MadeBy), u"Dialogkit by the team"_s);
}
