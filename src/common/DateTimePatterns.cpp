#include "common/DateTimePatterns.h"

#include <QRegularExpression>

namespace {
qsizetype RunLength(QStringView text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && text[end].toLower() == text[from].toLower())
        ++end;
    return end - from;
}

QString DatePart(qsizetype run, const QDate& value, const QLocale& locale) {
    if (run >= 6)
        return locale.toString(value, QLocale::LongFormat);
    if (run == 5)
        return locale.toString(value, QLocale::ShortFormat);
    return QString(run, QLatin1Char('d')); // shorter runs are not ours to interpret
}

// The locale's long time without its time zone: the times shown are the user's own local
// ones, and "UTC" or "CET" after each reads as a fault.
QString LongTimeFormat(const QLocale& locale) {
    static const QRegularExpression zone(QStringLiteral("\\s*t+"));
    return locale.timeFormat(QLocale::LongFormat).remove(zone).trimmed();
}

QString TimePart(qsizetype run, const QTime& value, const QLocale& locale) {
    if (run == 1)
        return locale.toString(value, QLocale::ShortFormat);
    return locale.toString(value, LongTimeFormat(locale));
}
} // namespace

QString FormatDateTimePattern(QStringView pattern, const QDateTime& value, const QLocale& locale) {
    return DateTimePatternFormatter(pattern, locale).Format(value);
}

DateTimePatternFormatter::DateTimePatternFormatter(QStringView pattern, const QLocale& locale)
    : FLocale(locale) {
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            const qsizetype close = pattern.indexOf(c, i + 1);
            const qsizetype end = close < 0 ? pattern.size() : close;
            FPieces.append({PieceKind::Literal, pattern.mid(i + 1, end - i - 1).toString(), {}});
            i = end + 1;
        } else if (c.toLower() == QLatin1Char('d') || c.toLower() == QLatin1Char('t')) {
            const qsizetype run = RunLength(pattern, i);
            const PieceKind kind =
                c.toLower() == QLatin1Char('d') ? PieceKind::Date : PieceKind::Time;
            FPieces.append({kind, pattern.mid(i, run).toString(), {}});
            i += run;
        } else {
            FPieces.append({PieceKind::Literal, QString(c), {}});
            ++i;
        }
    }
}

QString DateTimePatternFormatter::Format(const QDateTime& value) {
    QString out;
    for (Piece& piece : FPieces)
        out += piece.Kind == PieceKind::Literal ? piece.Text : Formatted(piece, value);
    return out;
}

const QString& DateTimePatternFormatter::Formatted(Piece& piece, const QDateTime& value) const {
    const bool date = piece.Kind == PieceKind::Date;
    // Times are known by the second, as no locale's time format shows a fraction of one;
    // an invalid time has a key of its own, as it counts as midnight otherwise.
    const qint64 key = date                     ? value.date().toJulianDay()
                       : value.time().isValid() ? value.time().msecsSinceStartOfDay() / 1000
                                                : -1;
    auto known = piece.Formatted.find(key);
    if (known == piece.Formatted.end())
        known =
            piece.Formatted.insert(key, date ? DatePart(piece.Text.size(), value.date(), FLocale)
                                             : TimePart(piece.Text.size(), value.time(), FLocale));
    return *known;
}
