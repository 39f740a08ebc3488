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

// The reference that stands for a character markup reads as its own; empty for the others.
QStringView EntityOf(QChar c) {
    switch (c.unicode()) {
    case u'&':
        return u"&amp;";
    case u'<':
        return u"&lt;";
    case u'>':
        return u"&gt;";
    case u'"':
        return u"&quot;";
    case u'\'':
        return u"&#39;";
    default:
        return {};
    }
}

bool NeedsEscaping(QChar c) {
    // Letters and most other characters lie between ">" and the surrogates: one comparison
    // clears them, and every value of a long list is looked through.
    if (c.unicode() > u'>' && c.unicode() < 0xD800)
        return false;
    return !EntityOf(c).isEmpty() || c.isSurrogate() || IsForbiddenInXml(c.unicode());
}
} // namespace

QString EscapeMarkup(const QString& text) {
    // Most names and comments need nothing: they are shared, not copied.
    if (std::ranges::none_of(text, NeedsEscaping))
        return text;
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    // Characters that stay as they are go over in runs.
    qsizetype run = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!NeedsEscaping(c))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        escaped += QStringView(text).sliced(run, i - run);
        // Empty for a character XML forbids and for a surrogate without its other half,
        // which is no character at all: both are left out.
        escaped += EntityOf(c);
        run = i + 1;
    }
    escaped += QStringView(text).sliced(run);
    return escaped;
}
