#include "app/about/AboutTexts.h"

#include "common/Placeholders.h"

#include <algorithm>

QString FilledText(QString text, const QList<MarkFill>& fills) {
    for (const MarkFill& fill : fills)
        text = ReplacePlaceholder(text, fill.Mark, fill.Value);
    return text;
}

QString RequiredMarksText(const TLanguage& language, const MarkedText& text) {
    const QString key = text.Key.toString();
    const QString translated = language.GetString(key);
    const bool keepsMarks =
        std::all_of(text.Fills.begin(), text.Fills.end(),
                    [&](const MarkFill& fill) { return HasPlaceholder(translated, fill.Mark); });
    return FilledText(keepsMarks ? translated : language.GetDefaultString(key), text.Fills);
}
