#include "export/ExportSizeText.h"

#include "common/NumberPatterns.h"
#include "language/TLanguage.h"

namespace {
constexpr qint64 KiloByte = 1024;
constexpr qint64 MegaByte = KiloByte * KiloByte;
} // namespace

QString ExportSizeText(qint64 size, const TLanguage& language, const QLocale& locale) {
    return ExportSizeFormat(language, locale).Text(size);
}

ExportSizeFormat::ExportSizeFormat(const TLanguage& language, const QLocale& locale)
    : FBytes(QLatin1Char(' ') + language.GetString(QStringLiteral("Bytes"))),
      FKiloBytes(QLatin1Char(' ') + language.GetString(QStringLiteral("KBytes"))),
      FMegaBytes(QLatin1Char(' ') + language.GetString(QStringLiteral("MBytes"))),
      FTwoDecimals(u"#0.00", locale) {}

QString ExportSizeFormat::Text(qint64 size) const {
    if (size > MegaByte)
        return FTwoDecimals.Format(double(size) / double(MegaByte)) + FMegaBytes;
    if (size > KiloByte)
        return FTwoDecimals.Format(double(size) / double(KiloByte)) + FKiloBytes;
    return QString::number(size) + FBytes;
}
