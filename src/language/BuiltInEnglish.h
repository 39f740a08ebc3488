#pragma once

#include <QStringList>

// The built-in English table as the lines of a language file, header "[English]" first.
QStringList BuiltInEnglishLines();
