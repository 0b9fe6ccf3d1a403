#include "calendar/DayCounter.h"

#include "calendar/CalendarNames.h"
#include "calendar/DayEvents.h"
#include "calendar/ShamsiDate.h"

QString RoozShomarElement(const QDate& date) {
    return MiladiMonthKey(date.month()) +
           QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0'));
}

QString ShamsiDayAndMonth(const QDate& date) {
    QString s = Shamsi_Date::MiladiToShamsi(date, 4).toString();
    s.chop(5); // the space and the year
    return s;
}

QString RoozShomarTitle(const QDate& date) {
    return ShamsiDayAndMonth(date) + QString(90, QLatin1Char(' ')) +
           QStringLiteral("%1").arg(date.day(), 2, 10, QLatin1Char('0')) + QStringLiteral("  ") +
           CalendarNames::MiladiMonthName(date.month());
}

QString MiladiCaption(const QDate& date) {
    return QString::number(date.day()) + QStringLiteral("  ") +
           CalendarNames::MiladiMonthName(date.month()) + QStringLiteral("  ") +
           QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString HijriCaption(const QDate& date) {
    int16_t y = 0;
    int16_t m = 0;
    int16_t d = 0;
    CalendarNames::HijriOfCivilDate(date, y, m, d);
    if (m < 1 || m > 12) {
        return {};
    }
    return QString::number(d) + QStringLiteral("  ") + CalendarNames::HijriMonthName(m) +
           QStringLiteral("  ") + QString::number(y);
}
