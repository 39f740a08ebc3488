#pragma once

#include "language/TLanguage.h"

#include <QList>
#include <QString>
#include <QStringView>

// A mark "{{Mark}}" and the value that replaces it.
struct MarkFill {
    QStringView Mark;
    QString Value;
};

// A language text and the marks its caller fills in.
struct MarkedText {
    QStringView Key;
    QList<MarkFill> Fills;
};

// The text with its marks filled: every occurrence, whatever the letter case.
QString FilledText(QString text, const QList<MarkFill>& fills);

// The loaded text of the key with its marks filled, but only while the translation still
// holds every mark to be filled; otherwise the built-in English text of the key, so that a
// translation cannot drop the product name or a credited name.
QString RequiredMarksText(const TLanguage& language, const MarkedText& text);
