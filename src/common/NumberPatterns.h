#pragma once

#include <QLocale>
#include <QString>

// Renders a decimal pattern such as "#,##0", "#,##0.##" or "#0.00": a "," asks for the
// locale's thousands separator, each "0" after the point is a required decimal and each
// "#" after it an optional one.
QString FormatNumberPattern(double value, QStringView pattern, const QLocale& locale = QLocale());

// The same pattern prepared once, for many numbers: the locale it needs is made only here.
class NumberPattern {
public:
    explicit NumberPattern(QStringView pattern, const QLocale& locale = QLocale());

    QString Format(double value) const;

private:
    QLocale FLocale;
    int FRequired = 0;
    int FOptional = 0;
    QChar FDecimalPoint;
};
