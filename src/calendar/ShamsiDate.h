#pragma once

// Solar-hijri dates of civil dates, counted from 1 Farvardin 1332 (21 March 1953)
// with a 32-year leap rule, and their texts with Persian month and weekday names.

#include <QDate>
#include <QVariant>

#include <cstdint>

namespace Shamsi_Date {

// The solar-hijri date of a civil date:
//   form 0  "dd/mm/yyyy"            01/01/1385
//   form 1  "d month yyyy"          1 <month name> 1385
//   form 2  "weekday d/m/yyyy"      <weekday name> 1/1/1385
//   form 3  "weekday d month yyyy"  <weekday name> 1 <month name> 1385
//   form 4  same as form 1
//   forms 5, 6, 7: day, month, year as int.
// Any other form, an invalid date, or a date before 21 March 1953 gives a null
// QVariant (whose toString() is ""). Years are 16-bit, as everywhere in the
// calendar code; the program's range, up to the year 9999, is far inside that.
QVariant MiladiToShamsi(const QDate& date, int form = 0);

// Solar-hijri date of the day that lies `days` days after 1 Farvardin 1332.
// The outputs are left untouched when days is negative.
void ShamsiFromDays(int32_t days, int16_t& year, int16_t& month, int16_t& day);

// True when solar-hijri year 1332 + yearsSince1332 has 366 days.
bool IsKabiseh(int32_t yearsSince1332);

} // namespace Shamsi_Date
