#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// Renders a date-time pattern: "ddddd" short date, "dddddd" long date, "t" short time,
// "tt" long time, text in single or double quotes copied without the quotes, any other
// character copied as it is.
QString FormatDateTimePattern(QStringView pattern, const QDateTime& value,
                              const QLocale& locale = QLocale());
