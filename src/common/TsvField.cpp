#include "common/TsvField.h"

#include <algorithm>

namespace {
bool NeedsEscape(QChar c) {
    return c == u'\t' || c == u'\r' || c == u'\n' || c == u'\\';
}

std::optional<QChar> Unescaped(QChar letter) {
    switch (letter.unicode()) {
    case u't':
        return QLatin1Char('\t');
    case u'r':
        return QLatin1Char('\r');
    case u'n':
        return QLatin1Char('\n');
    case u'\\':
        return QLatin1Char('\\');
    default:
        return std::nullopt;
    }
}
} // namespace

QString TsvField(const QString& text) {
    // Most fields hold nothing to escape and are passed on without a copy.
    if (std::ranges::none_of(text, NeedsEscape))
        return text;
    QString field;
    field.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'\t':
            field += QStringLiteral("\\t");
            break;
        case u'\r':
            field += QStringLiteral("\\r");
            break;
        case u'\n':
            field += QStringLiteral("\\n");
            break;
        case u'\\':
            field += QStringLiteral("\\\\");
            break;
        default:
            field += c;
        }
    }
    return field;
}

std::optional<QString> TsvFieldText(const QString& field) {
    if (!field.contains(QLatin1Char('\\')))
        return field;
    QString text;
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] != QLatin1Char('\\')) {
            text += field[i];
            continue;
        }
        // A backslash at the end starts no escape either.
        const std::optional<QChar> c =
            ++i < field.size() ? Unescaped(field[i]) : std::optional<QChar>();
        if (!c)
            return std::nullopt;
        text += *c;
    }
    return text;
}
