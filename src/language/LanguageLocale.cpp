#include "language/LanguageLocale.h"

namespace {
std::optional<QLocale> LocaleOfCode(const QString& name) {
    // QLocale reads anything that is not a code as the C locale.
    const QLocale coded(name);
    if (coded.language() == QLocale::C)
        return std::nullopt;
    return coded;
}

std::optional<QLocale> LocaleOfLanguageName(const QString& name) {
    const QList<QLocale> all =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    for (const QLocale& locale : all) {
        if (locale.language() == QLocale::C)
            continue;
        if (name.compare(QLocale::languageToString(locale.language()), Qt::CaseInsensitive) == 0 ||
            name.compare(locale.nativeLanguageName(), Qt::CaseInsensitive) == 0)
            // The language's main locale, not whichever territory came first.
            return QLocale(locale.language());
    }
    return std::nullopt;
}
} // namespace

std::optional<QLocale> LanguageLocale(const QStringList& names) {
    for (const QString& untrimmed : names) {
        const QString name = untrimmed.trimmed();
        if (name.isEmpty())
            continue;
        if (std::optional<QLocale> locale = LocaleOfCode(name))
            return locale;
        if (std::optional<QLocale> locale = LocaleOfLanguageName(name))
            return locale;
    }
    return std::nullopt;
}
