#include "common/DayCountDate.h"

#include <QDate>
#include <QTime>

#include <array>
#include <charconv>
#include <cmath>

namespace {
const QDate DayZero(1899, 12, 30);
constexpr double MillisecondsPerDay = 24.0 * 60 * 60 * 1000;
// Far beyond any real install time; keeps damaged values from overflowing date arithmetic.
constexpr double MaxDays = 1e8;
} // namespace

double ToDayCount(const QDateTime& value) {
    const auto days = static_cast<double>(DayZero.daysTo(value.date()));
    const double fraction = value.time().msecsSinceStartOfDay() / MillisecondsPerDay;
    return days >= 0 ? days + fraction : days - fraction;
}

namespace {
struct WallClock {
    QDate Date;
    QTime Time;
};

// Date and wall-clock time together: adding the time of day as elapsed time to midnight
// would shift every time after a daylight-saving change by the hour.
std::optional<WallClock> WallClockOf(double days) {
    if (!std::isfinite(days) || std::fabs(days) > MaxDays)
        return std::nullopt;
    const double whole = std::trunc(days);
    const double fraction = std::fabs(days - whole);
    auto msecs = static_cast<int>(std::llround(fraction * MillisecondsPerDay));
    QDate date = DayZero.addDays(static_cast<qint64>(whole));
    // A fraction just short of a whole day rounds up to the next midnight.
    if (msecs >= static_cast<int>(MillisecondsPerDay)) {
        msecs = 0;
        date = date.addDays(1);
    }
    return WallClock{date, QTime::fromMSecsSinceStartOfDay(msecs)};
}
} // namespace

QDateTime FromDayCount(double days) {
    const std::optional<WallClock> clock = WallClockOf(days);
    return clock ? QDateTime(clock->Date, clock->Time) : QDateTime();
}

namespace {
// Writes value as exactly width decimal digits, ending just before end.
void PutDigits(char16_t* end, int value, int width) {
    for (int i = 0; i < width; ++i, value /= 10)
        *--end = char16_t(u'0' + value % 10);
}
} // namespace

QString DayCountIsoText(double days) {
    const std::optional<WallClock> clock = WallClockOf(days);
    if (!clock)
        return {};
    int year = 0;
    int month = 0;
    int day = 0;
    clock->Date.getDate(&year, &month, &day);
    // Qt writes no ISO date outside these years either.
    if (year < 0 || year > 9999)
        return {};
    // Written digit by digit: listing the database formats one for every record.
    char16_t text[] = u"0000-00-00T00:00:00";
    PutDigits(text + 4, year, 4);
    PutDigits(text + 7, month, 2);
    PutDigits(text + 10, day, 2);
    PutDigits(text + 13, clock->Time.hour(), 2);
    PutDigits(text + 16, clock->Time.minute(), 2);
    PutDigits(text + 19, clock->Time.second(), 2);
    return QString::fromUtf16(text, std::size(text) - 1);
}

QString FormatDayCount(double days) {
    // Millisecond precision needs about ten significant decimals beyond the day count.
    return QString::number(days, 'g', 17);
}

namespace {
// Read for every record of the database, so no allocation: a day count is short ASCII.
template <typename TextView> std::optional<double> ParseDayCountIn(TextView text) {
    const TextView trimmed = text.trimmed();
    std::array<char, 64> digits{};
    if (trimmed.isEmpty() || trimmed.size() > qsizetype(digits.size()))
        return std::nullopt;
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const auto c = char16_t(trimmed[i].unicode());
        if (c > 0x7F)
            return std::nullopt;
        digits[i] = c == u',' ? '.' : static_cast<char>(c);
    }
    const char* end = digits.data() + trimmed.size();
    double value = 0;
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}
} // namespace

std::optional<double> ParseDayCount(QStringView text) {
    return ParseDayCountIn(text);
}

std::optional<double> ParseDayCount(QLatin1StringView text) {
    return ParseDayCountIn(text);
}
