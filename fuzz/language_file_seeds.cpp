#include "FuzzSeeds.h"
#include "language/BuiltInEnglish.h"
#include "support/LanguageFixtures.h"

std::vector<QByteArray> FuzzSeeds() {
    return {
        BuiltInEnglishLines().join(QStringLiteral("\r\n")).toUtf8(),
        BuildLanguageFile("Deutsch", {{"Save", "Speichern"},
                                      {"save", "Sichern"},
                                      {"Two", "erste\\nzweite"},
                                      {"Path", "C:\\\\Vocks\\\\"},
                                      {"Empty", ""},
                                      {"MissingText", "Übersetzung fehlt"}}),
        BuildLanguageFile("Français", {{"Save", "Enregistrer\\tvite"}, {"  Key ", " spaced"}},
                          LanguageFileText::Latin1, "\n"),
        BuildLanguageFile("Mixed", {{"A", "1"}, {"# Not", "comment"}}, LanguageFileText::Utf8,
                          "\r"),
    };
}
