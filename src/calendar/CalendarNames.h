#pragma once

// Persian names of the months and weekdays of the three calendars, and the
// lunar-hijri date of a civil date.

#include <QDate>
#include <QString>

#include <array>
#include <cstdint>

namespace CalendarNames {

// UTF-8 texts, index 0 first. The names use the Arabic yeh (U+064A) and the keheh
// (U+06A9); keep these code points.
extern const std::array<const char*, 12> ShamsiMonths; // Farvardin ... Esfand
extern const std::array<const char*, 7> Weekdays;      // Sunday ... Saturday
extern const std::array<const char*, 12> HijriMonths;  // Muharram ... Dhu al-Hijja
extern const std::array<const char*, 12> MiladiMonths; // January ... December

// Names by number: months 1 to 12, weekdays 1 (Sunday) to 7 (Saturday); an empty
// text for a number outside the table.
QString ShamsiMonthName(int month);
QString WeekdayName(int weekday);
QString HijriMonthName(int month);
QString MiladiMonthName(int month);

// Lunar-hijri date of a civil date, from its Julian Day Number through
// mTH::JDToHijri. The pages take the lunar date from here rather than from the
// solar-hijri date: mTH::ShamsiToJD counts solar years by the 2820-year cycle,
// which disagrees with the 32-year rule of Shamsi_Date in 1404 and from 1437 on
// and would give the lunar date of the previous civil day there.
// An invalid date leaves the outputs untouched.
void HijriOfCivilDate(const QDate& date, int16_t& y, int16_t& m, int16_t& d);

} // namespace CalendarNames
