// Speed of the almanac: every day of the span, with the texts a table row would show, and the
// seasonal days of every month.
#include <benchmark/benchmark.h>

#include <string>

#include "calendar/almanac.h"
#include "calendar/span.h"

static void BM_AlmanacOfTheWholeSpan(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t length = 0;
        for (dovrin::CivilDate d = dovrin::FirstCoveredDay; d <= dovrin::LastCoveredDay; d = d.AddDays(1)) {
            const dovrin::AlmanacDay a = *dovrin::AlmanacOfDay(d);
            length += a.year.Name().size() + a.month.Name().size() + a.day.Name().size() +
                      a.ZhiXingName().size() + a.GodName().size() + a.MansionLongName().size() +
                      a.FuText().size() + a.NineText().size() + a.PentadName().size() + a.JieText().size();
        }
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_AlmanacOfTheWholeSpan)->Unit(benchmark::kMillisecond);

static void BM_SeasonalDaysOfEveryMonth(benchmark::State& state)
{
    for (auto _ : state) {
        std::size_t count = 0;
        for (std::int32_t year = dovrin::FirstWholeYear; year <= dovrin::LastWholeYear; ++year)
            for (std::int32_t month = 1; month <= 12; ++month)
                count += dovrin::SeasonalDays({year, month, 1}, {year, month, dovrin::DaysInMonth(year, month)}).size();
        benchmark::DoNotOptimize(count);
    }
}
BENCHMARK(BM_SeasonalDaysOfEveryMonth)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
