// The date texts of one day on the today page: the solar-hijri text with weekday
// (form 3) and the lunar-hijri date, against a bare Julian Day lookup as baseline.

#include "calendar/CalendarNames.h"
#include "calendar/ShamsiDate.h"

#include <QDate>

#include <benchmark/benchmark.h>

namespace {

void BM_Baseline_ToJulianDay(benchmark::State& state) {
    QDate date(2026, 3, 21);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        benchmark::DoNotOptimize(date.toJulianDay());
    }
}
BENCHMARK(BM_Baseline_ToJulianDay);

void BM_DateTextsOfOneDay(benchmark::State& state) {
    QDate date(static_cast<int>(state.range(0)), 3, 21);
    for (auto _ : state) {
        benchmark::DoNotOptimize(date);
        QVariant text = Shamsi_Date::MiladiToShamsi(date, 3);
        int16_t y = 0, m = 0, d = 0;
        CalendarNames::HijriOfCivilDate(date, y, m, d);
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_DateTextsOfOneDay)->Arg(2026)->Arg(2100);

} // namespace

BENCHMARK_MAIN();
