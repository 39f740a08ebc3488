#include "common/NumberPatterns.h"

namespace {
struct DecimalPlaces {
    int Required = 0;
    int Optional = 0;
};

DecimalPlaces CountDecimals(QStringView pattern) {
    DecimalPlaces places;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    if (point < 0)
        return places;
    for (const QChar c : pattern.mid(point + 1)) {
        if (c == QLatin1Char('0'))
            ++places.Required;
        else if (c == QLatin1Char('#'))
            ++places.Optional;
    }
    return places;
}

QString TrimOptionalZeros(QString text, int optional, QChar decimalPoint) {
    for (int i = 0; i < optional && text.endsWith(QLatin1Char('0')); ++i)
        text.chop(1);
    if (text.endsWith(decimalPoint))
        text.chop(1);
    return text;
}
} // namespace

QString FormatNumberPattern(double value, QStringView pattern, const QLocale& locale) {
    const DecimalPlaces places = CountDecimals(pattern);
    QLocale numberLocale = locale;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const bool grouped =
        pattern.left(point < 0 ? pattern.size() : point).contains(QLatin1Char(','));
    numberLocale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions
                                          : QLocale::OmitGroupSeparator);
    const QString text = numberLocale.toString(value, 'f', places.Required + places.Optional);
    if (places.Optional == 0)
        return text;
    const QString pointText = locale.decimalPoint();
    return TrimOptionalZeros(text, places.Optional,
                             pointText.isEmpty() ? QLatin1Char('.') : pointText[0]);
}
