#include "calendar/Mth.h"

#include <cmath>

namespace mTH {

namespace {

constexpr double kDegToRad = 0.0174532925199433;
constexpr double kTwoDegToRad = 0.0349065850398866;

// First day of the Gregorian calendar.
constexpr int32_t kGregorianStart = 2299161;

// Lunation 1048 is Muharram of lunar-hijri year 1405.
constexpr int32_t kMuharram1405 = 1048;

} // namespace

void ShamsiToHijri(int16_t& y, int16_t& m, int16_t& d) {
    JDToHijri(ShamsiToJD(y, m, d), y, m, d);
}

int32_t ShamsiToJD(int16_t y, int16_t m, int16_t d) {
    // Integer steps truncate toward zero, so for negative years epyear can fall
    // below 474; that is how the cycle is defined here.
    const int32_t epbase = y >= 0 ? y - 474 : y - 473;
    const int32_t epyear = 474 + epbase % 2820;
    const int32_t md = m <= 7 ? (m - 1) * 31 : (m - 1) * 30 + 6;
    const double jd = static_cast<double>(d) + md + std::trunc((epyear * 682.0 - 110.0) / 2816.0) +
                      (epyear - 1) * 365.0 + std::trunc(epbase / 2820.0) * 1029983.0 + 1948320.0;
    // Every term is a whole number and the sum stays well inside 32 bits for any
    // 16-bit year, month and day.
    return static_cast<int32_t>(jd);
}

void JDToMiladi(int32_t jd, int16_t& y, int16_t& m, int16_t& d) {
    if (jd < kGregorianStart) {
        JDToJulian(jd, y, m, d);
        return;
    }
    // Fliegel and Van Flandern. The steps are carried in 64 bits: for every JDN
    // where the 32-bit form does not overflow (all of the years 1 to 9999 and far
    // beyond) the results are the same, and no JDN can overflow here.
    int64_t l = int64_t{jd} + 68569;
    const int64_t n = (4 * l) / 146097;
    l = l - (146097 * n + 3) / 4;
    const int64_t i = (4000 * (l + 1)) / 1461001;
    l = l - (1461 * i) / 4 + 31;
    const int64_t j = (80 * l) / 2447;
    d = static_cast<int16_t>(l - (2447 * j) / 80);
    l = j / 11;
    m = static_cast<int16_t>(j + 2 - 12 * l);
    y = static_cast<int16_t>(100 * (n - 49) + i + l);
}

void JDToJulian(int32_t jd, int16_t& y, int16_t& m, int16_t& d) {
    // 64-bit steps for the same reason as in JDToMiladi.
    const int64_t j = int64_t{jd} + 1402;
    const int64_t k = (j - 1) / 1461;
    const int64_t l = j - 1461 * k;
    const int64_t n = (l - 1) / 365 - l / 1461;
    const int64_t i = l - 365 * n + 30;
    const int64_t J = (80 * i) / 2447;
    d = static_cast<int16_t>(i - (2447 * J) / 80);
    const int64_t I = J / 11;
    m = static_cast<int16_t>(J + 2 - 12 * I);
    y = static_cast<int16_t>(4 * k + n + I - 4716);
}

double MoonPhase(int32_t k, int16_t phase) {
    if (phase < 0 || phase > 3) {
        return 0.0;
    }
    const double K = phase / 4.0 + k;
    const double T = K / 1236.85;
    const double T2 = T * T;
    const double T3 = T * T2;

    // Mean phase.
    const double P = 2415020.75933 + 29.53058868 * K + 0.0001178 * T2 - 0.000000155 * T3 +
                     0.00033 * std::sin((166.56 + 132.87 * T - 0.009173 * T2) * kDegToRad);
    // Sun's mean anomaly, Moon's mean anomaly, twice the Moon's argument of latitude.
    const double M = (359.2242 + 29.10535608 * K - 0.0000333 * T2 - 0.00000347 * T3) * kDegToRad;
    const double Mp = (306.0253 + 385.81691806 * K + 0.0107306 * T2 + 0.00001236 * T3) * kDegToRad;
    const double F2 =
        (21.2964 + 390.67050646 * K - 0.0016528 * T2 - 0.00000239 * T3) * kTwoDegToRad;

    double C;
    if (phase == 0 || phase == 2) {
        C = (0.1734 - 0.000393 * T) * std::sin(M) + 0.0021 * std::sin(2 * M) -
            0.4068 * std::sin(Mp) + 0.0161 * std::sin(2 * Mp) - 0.0004 * std::sin(3 * Mp) +
            0.0104 * std::sin(F2) - 0.0051 * std::sin(Mp + M) - 0.0074 * std::sin(M - Mp) +
            0.0004 * std::sin(F2 + M) - 0.0004 * std::sin(F2 - M) - 0.0006 * std::sin(F2 + Mp) +
            0.0010 * std::sin(F2 - Mp) + 0.0005 * std::sin(2 * Mp + M);
    } else {
        C = (0.1721 - 0.0004 * T) * std::sin(M) + 0.0021 * std::sin(2 * M) - 0.6280 * std::sin(Mp) +
            0.0089 * std::sin(2 * Mp) - 0.0004 * std::sin(3 * Mp) + 0.0079 * std::sin(F2) -
            0.0119 * std::sin(Mp + M) - 0.0047 * std::sin(M - Mp) + 0.0003 * std::sin(F2 + M) -
            0.0004 * std::sin(F2 - M) - 0.0006 * std::sin(F2 + Mp) + 0.0021 * std::sin(F2 - Mp) +
            0.0003 * std::sin(2 * Mp + M) + 0.0004 * std::sin(M - 2 * Mp) -
            0.0003 * std::sin(2 * M + Mp);
        if (phase == 1) {
            C = C + 0.0028 - 0.0004 * std::cos(M) + 0.0003 * std::cos(Mp);
        } else {
            C = C - 0.0028 + 0.0004 * std::cos(M) - 0.0003 * std::cos(Mp);
        }
    }
    // Dynamical time to Universal Time, in days.
    return P + C - (0.41 + 1.2053 * T + 0.4992 * T2) / 1440.0;
}

double NewMoonDay(int32_t k) {
    const double nm = MoonPhase(k, 0);
    const float f = static_cast<float>(nm - std::floor(nm));
    if (f <= 0.5f) {
        // Conjunction between noon and midnight UT.
        return nm + 1;
    }
    // Hour of the conjunction in the zone three hours ahead of UT.
    const float h = static_cast<float>((static_cast<double>(f) - 0.5) * 24 + 3);
    if (h <= 6.0f) {
        return nm;
    }
    return nm + 1;
}

void JDToHijri(int32_t jd, int16_t& y, int16_t& m, int16_t& d) {
    int16_t gy = 0;
    int16_t gm = 0;
    int16_t gd = 0;
    JDToMiladi(jd, gy, gm, gd);

    // gm - 0.5 rounded to the nearest integer with ties to even: 0, 2, 2, 4, 4, ... for
    // months 1 to 12. gm - 0.5 is always a tie, so the even neighbour is taken directly,
    // whatever the floating-point rounding mode.
    const double mh = gm % 2 == 0 ? gm : gm - 1;
    // The estimate comes from a 16-bit year, so it is small and fits 32 bits.
    int32_t k =
        static_cast<int32_t>(std::floor((mh / 12.0 + gy + gd / 365.0 - 1900.0) * 12.3685 + 0.6));

    // The estimate is never below the answer: step down until the month start is
    // not after the civil day's midnight.
    const double midnight = jd - 0.5;
    double start;
    do {
        start = NewMoonDay(k);
        --k;
    } while (!(midnight >= start));
    const int32_t lunation = k + 1;

    const int32_t e = lunation - kMuharram1405;
    int32_t year = e / 12 + 1405;
    int32_t month = e % 12 + 1;
    if (month <= 0) {
        month = month + 12;
        year = year - 1;
    }
    if (year <= 0) {
        // There is no year 0.
        year = year - 1;
    }
    y = static_cast<int16_t>(year);
    m = static_cast<int16_t>(month);
    // The day runs from 1 to 30 for the years 1 to 9999; the conversion goes through
    // 64 bits so that no JDN, however far out, can overflow it.
    d = static_cast<int16_t>(static_cast<int64_t>(std::floor(jd - start + 0.5)));
}

} // namespace mTH
