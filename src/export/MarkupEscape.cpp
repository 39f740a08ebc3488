#include "export/MarkupEscape.h"

#include <QFileInfo>

bool IsMarkupFile(const QString& path) {
    const QString extension = QFileInfo(path).suffix().toLower();
    return extension == u"html" || extension == u"htm" || extension == u"xml";
}

QString EscapeMarkup(const QString& text) {
    QString escaped;
    escaped.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            escaped += u"&amp;";
            break;
        case u'<':
            escaped += u"&lt;";
            break;
        case u'>':
            escaped += u"&gt;";
            break;
        case u'"':
            escaped += u"&quot;";
            break;
        case u'\'':
            escaped += u"&#39;";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}
