#include "common/DateTimePatterns.h"

namespace {
qsizetype RunLength(QStringView text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && text[end].toLower() == text[from].toLower())
        ++end;
    return end - from;
}

QString DatePart(qsizetype run, const QDateTime& value, const QLocale& locale) {
    if (run >= 6)
        return locale.toString(value.date(), QLocale::LongFormat);
    if (run == 5)
        return locale.toString(value.date(), QLocale::ShortFormat);
    return QString(run, QLatin1Char('d')); // shorter runs are not ours to interpret
}

QString TimePart(qsizetype run, const QDateTime& value, const QLocale& locale) {
    if (run == 1)
        return locale.toString(value.time(), QLocale::ShortFormat);
    return locale.toString(value.time(), QLocale::LongFormat);
}
} // namespace

QString FormatDateTimePattern(QStringView pattern, const QDateTime& value, const QLocale& locale) {
    QString out;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            out += pattern.mid(i + 1, end - i - 1);
            i = end + 1;
        } else if (c.toLower() == QLatin1Char('d') || c.toLower() == QLatin1Char('t')) {
            const qsizetype run = RunLength(pattern, i);
            out += c.toLower() == QLatin1Char('d') ? DatePart(run, value, locale)
                                                   : TimePart(run, value, locale);
            i += run;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}
