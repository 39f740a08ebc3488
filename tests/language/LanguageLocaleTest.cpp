#include "language/LanguageLocale.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(LanguageLocale, TheHeaderOrFileNameNamesTheLanguageByCodeOrName) {
    const struct {
        QStringList Names;
        QString Locale; // empty: none
    } cases[] = {
        {{QStringLiteral("Deutsch")}, QStringLiteral("de_DE")},
        {{QStringLiteral("german")}, QStringLiteral("de_DE")},
        {{QStringLiteral(" Fran\u00e7ais ")}, QStringLiteral("fr_FR")},
        {{QStringLiteral("Nederlands")}, QStringLiteral("nl_NL")},
        {{QStringLiteral("pt_BR")}, QStringLiteral("pt_BR")},
        {{QStringLiteral("English")}, QStringLiteral("en_US")},
        // A header that names no language leaves it to the file name.
        {{QStringLiteral("Meine Sprache"), QStringLiteral("Espa\u00f1ol")},
         QStringLiteral("es_ES")},
        {{QString(), QStringLiteral("it")}, QStringLiteral("it_IT")},
        {{QStringLiteral("Klingon"), QStringLiteral("MyTexts")}, QString()},
        {{}, QString()},
    };
    for (const auto& item : cases) {
        const std::optional<QLocale> locale = LanguageLocale(item.Names);
        EXPECT_EQ(locale ? locale->name() : QString(), item.Locale)
            << item.Names.join(u'|').toStdString();
    }
}
