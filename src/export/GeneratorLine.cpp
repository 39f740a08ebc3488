#include "export/GeneratorLine.h"

#include "common/Placeholders.h"
#include "export/MarkupEscape.h"
#include "language/TLanguage.h"

QString GeneratorLine(const TLanguage& language, const GeneratorFacts& facts, bool escapeMarkup) {
    const auto escaped = [&](const QString& text) {
        return escapeMarkup ? EscapeMarkup(text) : text;
    };
    const QString key = QStringLiteral("GeneratedBy");
    QString line = language.GetString(key);
    if (!HasPlaceholder(line, u"ProdName"))
        line = language.GetDefaultString(key);
    QString name = escaped(language.GetString(QStringLiteral("ProdName")));
    if (facts.Linked)
        name = QStringLiteral("<a href=\"%1\" target=\"_blank\">%2</a>")
                   .arg(EscapeMarkup(facts.Website), name);
    line = ReplacePlaceholder(escaped(line), u"ProdName", name);
    return ReplacePlaceholder(line, u"ProdVersion", escaped(facts.ProdVersion));
}
