#include "calendar/ShamsiDate.h"

#include "calendar/CalendarNames.h"

#include <limits>

namespace Shamsi_Date {

namespace {

constexpr int32_t kEpochYear = 1332;
// Julian Day Number of 1 Farvardin 1332 = 21 March 1953.
constexpr int64_t kEpochJd = 2434458;

QString twoDigits(int v) {
    return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0'));
}

} // namespace

bool IsKabiseh(int32_t yearsSince1332) {
    // Blocks of 32 years start at 1309; within a block every fourth year is a leap
    // year, and each block shifts the pattern by one year.
    const int64_t d = int64_t{kEpochYear} + yearsSince1332 - 1309;
    return ((d % 32) - (d / 32)) % 4 == 0;
}

void ShamsiFromDays(int32_t days, int16_t& year, int16_t& month, int16_t& day) {
    if (days < 0) {
        return;
    }
    int32_t n = 0;
    for (;;) {
        const int32_t length = IsKabiseh(n) ? 366 : 365;
        if (days - length < 0) {
            break;
        }
        ++n;
        days -= length;
    }
    year = static_cast<int16_t>(kEpochYear + n);
    if (days <= 185) {
        month = static_cast<int16_t>(days / 31 + 1);
        day = static_cast<int16_t>(days % 31 + 1);
    } else {
        days -= 186;
        month = static_cast<int16_t>(days / 30 + 7);
        day = static_cast<int16_t>(days % 30 + 1);
    }
}

QVariant MiladiToShamsi(const QDate& date, int form) {
    if (form < 0 || form > 7 || !date.isValid()) {
        return {};
    }
    const int64_t days = date.toJulianDay() - kEpochJd;
    if (days < 0 || days > std::numeric_limits<int32_t>::max()) {
        return {};
    }
    int16_t y = 0;
    int16_t m = 0;
    int16_t d = 0;
    ShamsiFromDays(static_cast<int32_t>(days), y, m, d);

    switch (form) {
    case 5:
        return int{d};
    case 6:
        return int{m};
    case 7:
        return int{y};
    default:
        break;
    }

    // Qt numbers Monday 1 ... Sunday 7; the weekday table starts on Sunday.
    const int weekday = date.dayOfWeek() % 7 + 1;
    const QChar space = QLatin1Char(' ');
    const QChar slash = QLatin1Char('/');
    const QString dayText = QString::number(d);
    const QString yearText = QString::number(y);
    switch (form) {
    case 0:
        return QString(twoDigits(d) + slash + twoDigits(m) + slash + yearText);
    case 1:
    case 4:
        return QString(dayText + space + CalendarNames::ShamsiMonthName(m) + space + yearText);
    case 2:
        return QString(CalendarNames::WeekdayName(weekday) + space + dayText + slash +
                       QString::number(m) + slash + yearText);
    default: // 3
        return QString(CalendarNames::WeekdayName(weekday) + space + dayText + space +
                       CalendarNames::ShamsiMonthName(m) + space + yearText);
    }
}

} // namespace Shamsi_Date
