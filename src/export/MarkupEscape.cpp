#include "export/MarkupEscape.h"

#include <QFileInfo>

#include <algorithm>

bool IsMarkupFile(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    return extension == u"html" || extension == u"htm" || extension == u"xml";
}

namespace {
// Characters XML 1.0 allows nowhere, not even as references.
bool IsForbiddenInXml(char16_t c) {
    return (c < u' ' && c != u'\t' && c != u'\n' && c != u'\r') || c == 0xFFFE || c == 0xFFFF;
}

bool NeedsEscaping(QChar c) {
    switch (c.unicode()) {
    case u'&':
    case u'<':
    case u'>':
    case u'"':
    case u'\'':
        return true;
    default:
        return c.isSurrogate() || IsForbiddenInXml(c.unicode());
    }
}

void AppendEscaped(QString& out, QChar c) {
    switch (c.unicode()) {
    case u'&':
        out += u"&amp;";
        break;
    case u'<':
        out += u"&lt;";
        break;
    case u'>':
        out += u"&gt;";
        break;
    case u'"':
        out += u"&quot;";
        break;
    case u'\'':
        out += u"&#39;";
        break;
    default:
        if (!IsForbiddenInXml(c.unicode()))
            out += c;
    }
}
} // namespace

QString EscapeMarkup(const QString& text) {
    // Most names and comments need nothing: they are shared, not copied.
    if (std::ranges::none_of(text, NeedsEscaping))
        return text;
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!c.isSurrogate())
            AppendEscaped(escaped, c);
        else if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            escaped += QStringView(text).sliced(i++, 2);
        // A surrogate without its other half is no character at all: it is left out.
    }
    return escaped;
}
