#include "install/FileSizeText.h"

#include "common/NumberPatterns.h"
#include "common/Placeholders.h"
#include "language/TLanguage.h"

QString FileSizeText(qint64 bytes, const TLanguage& language, const QLocale& locale) {
    constexpr qint64 KiloByte = 1024;
    constexpr qint64 MegaByte = KiloByte * KiloByte;
    if (bytes == 1)
        return language.GetString(QStringLiteral("OneByte"));
    if (bytes < KiloByte)
        return ReplacePlaceholder(
            language.GetString(QStringLiteral("ByteCount")), u"Count",
            FormatNumberPattern(static_cast<double>(bytes), u"#,##0", locale));
    if (bytes < MegaByte)
        return FormatNumberPattern(static_cast<double>(bytes) / KiloByte, u"#,##0.##", locale) +
               QLatin1Char(' ') + language.GetString(QStringLiteral("KBytes"));
    return FormatNumberPattern(static_cast<double>(bytes) / MegaByte, u"#,##0.##", locale) +
           QLatin1Char(' ') + language.GetString(QStringLiteral("MBytes"));
}
