#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// A point in local time as a count of days since 30 December 1899, with the time of day
// as the fraction. Before that day the whole part counts backwards while the fraction
// still gives the time of day, so -1.25 is 29 December 1899, 06:00.
double ToDayCount(const QDateTime& value);
// An invalid QDateTime for values no calendar holds (damaged data).
QDateTime FromDayCount(double days);
// The wall-clock time as FromDayCount(days).toString(Qt::ISODate) writes it, without asking
// the system for the time zone: listing many records would otherwise ask once for each.
QString DayCountIsoText(double days);

// Written with "." whatever the locale, so stored values move between machines.
QString FormatDayCount(double days);
// Accepts "." or "," as the decimal point; nothing for text that is not a finite number.
std::optional<double> ParseDayCount(QStringView text);
// The same for the bytes of a stored text, without decoding them first.
std::optional<double> ParseDayCount(QLatin1StringView text);
