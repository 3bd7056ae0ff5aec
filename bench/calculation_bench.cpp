#include "difference.h"

#include <benchmark/benchmark.h>

namespace {

// One full calculation: the three components and the three totals of one pair of dates, each
// component asked for by its part code, as the Calculate command does.
void BM_FullCalculation(benchmark::State& state) {
    DateValue older = *DateValue::make(2020, 1, 31);
    DateValue newer = *DateValue::make(2021, 8, 30);
    for (auto _ : state) {
        benchmark::DoNotOptimize(older);
        benchmark::DoNotOptimize(newer);
        auto years = Difference::DateDiffPart(older, newer, Difference::kYearsPart);
        auto months = Difference::DateDiffPart(older, newer, Difference::kMonthsPart);
        auto days = Difference::DateDiffPart(older, newer, Difference::kDaysPart);
        auto y = Difference::YearsBetween(older, newer);
        auto m = Difference::MonthsBetween(older, newer);
        auto d = Difference::DaysBetween(older, newer);
        benchmark::DoNotOptimize(years);
        benchmark::DoNotOptimize(months);
        benchmark::DoNotOptimize(days);
        benchmark::DoNotOptimize(y);
        benchmark::DoNotOptimize(m);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(BM_FullCalculation);

} // namespace
