#include "language/LanguageLocale.h"

#include "language/SystemLanguageFile.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(LanguageLocale, TheHeaderOrFileNameNamesTheLanguageByCodeOrName) {
    const struct {
        QStringList Names;
        QString Locale; // empty: none
    } cases[] = {
        {{u"Deutsch"_s}, u"de_DE"_s},
        {{u"german"_s}, u"de_DE"_s},
        {{u" Fran\u00e7ais "_s}, u"fr_FR"_s},
        {{u"Nederlands"_s}, u"nl_NL"_s},
        {{u"pt_BR"_s}, u"pt_BR"_s},
        {{u"English"_s}, u"en_US"_s},
        // A header that names no language leaves it to the file name.
        {{u"Meine Sprache"_s, u"Espa\u00f1ol"_s}, u"es_ES"_s},
        {{QString(), u"it"_s}, u"it_IT"_s},
        {{u"Klingon"_s, u"MyTexts"_s}, QString()},
        {{}, QString()},
    };
    for (const auto& item : cases) {
        const std::optional<QLocale> locale = LanguageLocale(item.Names);
        EXPECT_EQ(locale ? locale->name() : QString(), item.Locale)
            << item.Names.join(u'|').toStdString();
    }
}

// A first start speaks the system's language when a file for it is shipped, English otherwise.
TEST(LanguageLocale, AFirstStartTakesTheFileOfTheSystemsLanguage) {
    TempFolder folder;
    for (const QString& name : {u"English.lng"_s, u"Deutsch.lng"_s, u"Fran\u00e7ais.lng"_s})
        folder.Write(name, "[x]\n");
    const struct {
        QLocale System;
        QString File;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Austria), u"Deutsch.lng"_s},
        {QLocale(QLocale::French, QLocale::Canada), u"Fran\u00e7ais.lng"_s},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), u"English.lng"_s},
        {QLocale(QLocale::Japanese, QLocale::Japan), u"English.lng"_s},
    };
    for (const auto& item : cases)
        EXPECT_EQ(SystemLanguageFile(folder.Path(), item.System), folder.Path(item.File))
            << item.System.name().toStdString();
}
