#include "app/about/AboutTexts.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
// A language whose built-in table holds MadeBy, with the given translation loaded.
void Load(TLanguage& language, const QString& translation) {
    language.SetDefaultLanguage(
        {QStringLiteral("[English]"), QStringLiteral("MadeBy={{Product}} by {{Author}}")});
    language.LoadStrings({translation});
}

const MarkedText MadeBy = {
    .Key = u"MadeBy",
    .Fills = {{u"Product", QStringLiteral("Dialogkit")}, {u"Author", QStringLiteral("the team")}}};
} // namespace

TEST(RequiredMarksText, KeepsATranslationOnlyWhileItHoldsEveryMarkInAnyCase) {
    TLanguage language;
    Load(language, QStringLiteral("MadeBy={{AUTHOR}} schreef {{product}} ({{Author}})"));
    EXPECT_EQ(RequiredMarksText(language, MadeBy),
              QStringLiteral("the team schreef Dialogkit (the team)"));
    Load(language, QStringLiteral("MadeBy={{Product}} door iemand"));
    EXPECT_EQ(RequiredMarksText(language, MadeBy), QStringLiteral("Dialogkit by the team"));
}
