#pragma once

#include <QString>

#include <optional>

// A text field of a tab-separated line: tab, CR, LF and backslash written as \t, \r, \n
// and \\, so that a field never splits its line or its record; a stray byte of a path
// (PathBytes.h) as \xNN, so that the line stays UTF-8.
QString TsvField(const QString& text);

// The text a field written by TsvField stands for; nothing when the field holds a backslash
// that starts none of those escapes.
std::optional<QString> TsvFieldText(const QString& field);
