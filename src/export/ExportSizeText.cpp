#include "export/ExportSizeText.h"

#include "common/NumberPatterns.h"
#include "language/TLanguage.h"

namespace {
constexpr qint64 KiloByte = 1024;
constexpr qint64 MegaByte = KiloByte * KiloByte;
} // namespace

QString ExportSizeText(qint64 size, const TLanguage& language, const QLocale& locale) {
    const QString blank = QStringLiteral(" ");
    if (size > MegaByte)
        return FormatNumberPattern(double(size) / double(MegaByte), u"#0.00", locale) + blank +
               language.GetString(QStringLiteral("MBytes"));
    if (size > KiloByte)
        return FormatNumberPattern(double(size) / double(KiloByte), u"#0.00", locale) + blank +
               language.GetString(QStringLiteral("KBytes"));
    return QString::number(size) + blank + language.GetString(QStringLiteral("Bytes"));
}
