#pragma once

#include <QString>
#include <QStringList>

class TLanguage;

// The copyright line: the language's Copy text, or the built-in one when a translation lost
// one of its marks, with the program's year range and holder filled in.
QString CopyrightLine(const TLanguage& language);

// The main window's bottom strip: seven messages, each followed by an empty line but the last.
QStringList StripLines(const TLanguage& language);
