#include "calendar/CalendarNames.h"

#include "calendar/Mth.h"

#include <limits>

namespace CalendarNames {

const std::array<const char*, 12> ShamsiMonths = {
    "فروردين", "ارديبهشت", "خرداد", "تير", "مرداد", "شهريور",
    "مهر",     "آبان",     "آذر",   "دي",  "بهمن",  "اسفند",
};

const std::array<const char*, 7> Weekdays = {
    "يکشنبه", "دوشنبه", "سه شنبه", "چهارشنبه", "پنجشنبه", "جمعه", "شنبه",
};

const std::array<const char*, 12> HijriMonths = {
    "محرم", "صفر",   "ربيع الاول", "ربيع الثاني", "جمادي الاول", "جمادي الثاني",
    "رجب",  "شعبان", "رمضان",      "شوال",        "ذي القعده",   "ذي الحجه",
};

const std::array<const char*, 12> MiladiMonths = {
    "ژانويه", "فوريه", "مارس",    "آوريل", "مه",     "ژوئن",
    "ژوئيه",  "اوت",   "سپتامبر", "اکتبر", "نوامبر", "دسامبر",
};

namespace {

template <std::size_t N> QString nameAt(const std::array<const char*, N>& table, int number) {
    if (number < 1 || number > static_cast<int>(N)) {
        return {};
    }
    return QString::fromUtf8(table[static_cast<std::size_t>(number - 1)]);
}

} // namespace

QString ShamsiMonthName(int month) {
    return nameAt(ShamsiMonths, month);
}

QString WeekdayName(int weekday) {
    return nameAt(Weekdays, weekday);
}

QString HijriMonthName(int month) {
    return nameAt(HijriMonths, month);
}

QString MiladiMonthName(int month) {
    return nameAt(MiladiMonths, month);
}

void HijriOfCivilDate(const QDate& date, int16_t& y, int16_t& m, int16_t& d) {
    if (!date.isValid()) {
        return;
    }
    const int64_t jd = date.toJulianDay();
    if (jd < std::numeric_limits<int32_t>::min() || jd > std::numeric_limits<int32_t>::max()) {
        return;
    }
    mTH::JDToHijri(static_cast<int32_t>(jd), y, m, d);
}

} // namespace CalendarNames
