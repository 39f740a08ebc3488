#pragma once

#include <QString>

// Fills the mark "{{Name}}" in a text: every occurrence, whatever the letter case of the
// mark. Marks the caller does not name stay as they are.
QString ReplacePlaceholder(QString text, QStringView name, const QString& value);

// True when the text holds the mark "{{Name}}" in any letter case.
bool HasPlaceholder(QStringView text, QStringView name);
