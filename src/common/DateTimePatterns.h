#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

// Renders a date-time pattern: "ddddd" short date, "dddddd" long date, "t" short time,
// "tt" long time, text in single or double quotes copied without the quotes, any other
// character copied as it is.
QString FormatDateTimePattern(QStringView pattern, const QDateTime& value,
                              const QLocale& locale = QLocale());

// The same for many values through one pattern: the pattern is read once, and each
// distinct day and time of day is formatted once, as asking the locale (the system's,
// above all) costs far more than the rest of a long list.
class DateTimePatternFormatter {
public:
    explicit DateTimePatternFormatter(QStringView pattern, const QLocale& locale = QLocale());

    QString Format(const QDateTime& value);

private:
    enum class PieceKind { Literal, Date, Time };
    struct Piece {
        PieceKind Kind;
        // The text of a literal; for a date or time the letters as written.
        QString Text;
        // Formatted texts by day (Julian day) or by second of the day.
        QHash<qint64, QString> Formatted;
    };
    const QString& Formatted(Piece& piece, const QDateTime& value) const;

    QList<Piece> FPieces;
    QLocale FLocale;
};
