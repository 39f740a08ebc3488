#pragma once

#include <QLocale>
#include <QStringList>

#include <optional>

// The locale a language file is written for. A language file names only its language, in
// its section header ("[Deutsch]"), so each of the given names (the header's, then the file's
// base name) is tried in turn: as a locale code ("de", "pt_BR"), then as a language's English
// or native name ("German", "Deutsch", "français") in any letter case. Nothing when no name
// says which language it is.
std::optional<QLocale> LanguageLocale(const QStringList& names);
