#pragma once

#include <QLocale>
#include <QString>

// The language file a first start uses: among the *.lng files of the folder, the one written
// for the system's language, so that a player reads the program in their own language from
// the start; English.lng when none is.
QString SystemLanguageFile(const QString& folder, const QLocale& system);
