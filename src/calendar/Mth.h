#pragma once

// Conversions between solar-hijri dates, Julian Day Numbers, Gregorian and
// Julian-calendar dates and lunar-hijri dates. The lunar-hijri calendar is
// computed astronomically: each month starts from the new moon found by the
// lunar-phase series below. No state is kept between calls.

#include <cstdint>

namespace mTH {

// Solar-hijri date in, lunar-hijri date out, in the same three variables:
// ShamsiToJD, then JDToHijri.
void ShamsiToHijri(int16_t& y, int16_t& m, int16_t& d);

// Julian Day Number of a solar-hijri date by the 2820-year cycle. Note that this
// cycle and the 32-year rule of Shamsi_Date::IsKabiseh disagree on some years.
int32_t ShamsiToJD(int16_t y, int16_t m, int16_t d);

// Lunar-hijri date of a Julian Day Number. Years before 1 are -1, -2, ...
void JDToHijri(int32_t jd, int16_t& y, int16_t& m, int16_t& d);

// Julian Date from which the lunar month of lunation k is counted
// (lunation 0 is the new moon of 6 January 1900, lunation 1048 starts Muharram 1405).
double NewMoonDay(int32_t k);

// Julian Date (UT) of a phase of lunation k: 0 new moon, 1 first quarter,
// 2 full moon, 3 last quarter; 0.0 for any other phase.
double MoonPhase(int32_t k, int16_t phase);

// Gregorian date of a Julian Day Number, or the Julian-calendar date below
// JDN 2299161 (15 October 1582).
void JDToMiladi(int32_t jd, int16_t& y, int16_t& m, int16_t& d);

// Julian-calendar date of a Julian Day Number (JDN 0 is 1 January -4712).
void JDToJulian(int32_t jd, int16_t& y, int16_t& m, int16_t& d);

} // namespace mTH
