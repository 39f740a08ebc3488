#include "common/TsvField.h"

#include "common/PathBytes.h"

namespace {
bool NeedsEscape(QChar c) {
    return c == u'\t' || c == u'\r' || c == u'\n' || c == u'\\';
}

// Asked of every character a listing prints: only a low surrogate can be a stray byte, so
// the others are told without the call.
bool NeedsEscapeAt(const QString& text, qsizetype index) {
    const QChar c = text[index];
    return NeedsEscape(c) || (c.isLowSurrogate() && StrayByteAt(text, index));
}

// A stray byte of a path is written as \xNN, so that the line stays UTF-8.
QString StrayByteEscape(uchar byte) {
    return QStringLiteral("\\x") + QString::number(byte, 16).toUpper();
}

// The stray byte of the \xNN escape whose digits start at index; a byte that is text has
// no escape of this kind.
std::optional<QChar> StrayByteOfEscape(const QString& field, qsizetype index) {
    const QByteArray digits = field.mid(index, 2).toLatin1();
    const QByteArray byte = QByteArray::fromHex(digits);
    if (digits.size() != 2 || byte.size() != 1 || byte.toHex().toUpper() != digits.toUpper() ||
        uchar(byte[0]) < 0x80)
        return std::nullopt;
    return StrayByteCharacter(uchar(byte[0]));
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
    qsizetype first = 0;
    while (first < text.size() && !NeedsEscapeAt(text, first))
        ++first;
    if (first == text.size())
        return text;
    QString field = text.left(first);
    field.reserve(text.size() + 8);
    for (qsizetype i = first; i < text.size(); ++i) {
        const QChar c = text[i];
        if (const std::optional<uchar> byte = StrayByteAt(text, i)) {
            field += StrayByteEscape(*byte);
            continue;
        }
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
        if (++i < field.size() && field[i] == u'x') {
            const std::optional<QChar> stray = StrayByteOfEscape(field, i + 1);
            if (!stray)
                return std::nullopt;
            text += *stray;
            i += 2;
            continue;
        }
        const std::optional<QChar> c =
            i < field.size() ? Unescaped(field[i]) : std::optional<QChar>();
        if (!c)
            return std::nullopt;
        text += *c;
    }
    return text;
}
