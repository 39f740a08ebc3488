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

NumberPattern::NumberPattern(QStringView pattern, const QLocale& locale) : FLocale(locale) {
    const DecimalPlaces places = CountDecimals(pattern);
    FRequired = places.Required;
    FOptional = places.Optional;
    const qsizetype point = pattern.indexOf(QLatin1Char('.'));
    const bool grouped =
        pattern.left(point < 0 ? pattern.size() : point).contains(QLatin1Char(','));
    FLocale.setNumberOptions(grouped ? QLocale::DefaultNumberOptions : QLocale::OmitGroupSeparator);
    const QString pointText = locale.decimalPoint();
    FDecimalPoint = pointText.isEmpty() ? QLatin1Char('.') : pointText[0];
}

QString NumberPattern::Format(double value) const {
    const QString text = FLocale.toString(value, 'f', FRequired + FOptional);
    if (FOptional == 0)
        return text;
    return TrimOptionalZeros(text, FOptional, FDecimalPoint);
}

QString FormatNumberPattern(double value, QStringView pattern, const QLocale& locale) {
    return NumberPattern(pattern, locale).Format(value);
}
