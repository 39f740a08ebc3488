#include "app/StripText.h"

#include "app/ProductInfo.h"
#include "common/Placeholders.h"
#include "common/ProgramIdentity.h"
#include "language/TLanguage.h"

QString CopyrightLine(const TLanguage& language) {
    QString text = language.GetString(QStringLiteral("Copy"));
    if (!HasPlaceholder(text, u"Year") || !HasPlaceholder(text, u"CopyWho"))
        text = language.GetDefaultString(QStringLiteral("Copy"));
    text = ReplacePlaceholder(text, u"Year", ProgramCopyrightYears.toString());
    return ReplacePlaceholder(text, u"CopyWho", ProgramCopyrightHolder.toString());
}

QStringList StripLines(const TLanguage& language) {
    const QStringList messages = {
        language.GetString(QStringLiteral("ProdFullName")) + QLatin1Char(' ') +
            ProdVersion.toString(),
        language.GetString(QStringLiteral("HelpQRL")),
        ReplacePlaceholder(language.GetString(QStringLiteral("Thankyou")), u"ProdName",
                           language.GetString(QStringLiteral("ProdName"))),
        language.GetString(QStringLiteral("Support")),
        CopyrightLine(language),
        ReplacePlaceholder(language.GetString(QStringLiteral("TranslatedBy")), u"Translator",
                           language.GetString(QStringLiteral("Translator"))),
        language.GetString(QStringLiteral("AlsoLTWD")),
    };
    QStringList lines;
    for (const QString& message : messages) {
        if (!lines.isEmpty())
            lines.append(QString());
        lines.append(message);
    }
    return lines;
}
