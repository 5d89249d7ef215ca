// Speed of the calendar core: one sInitDate, and every --table field of the whole span.
#include <benchmark/benchmark.h>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/lunar_table.h"
#include "calendar/span.h"
#include "cli/table.h"

static void BM_sInitDate(benchmark::State& state)
{
    clsDate date;
    std::int64_t day = 0;
    for (auto _ : state) {
        const dovrin::CivilDate d = dovrin::DateOfDayNumber(32 + day);
        date.sInitDate(d.year, d.month, d.day);
        benchmark::DoNotOptimize(date.lDay());
        day = (day + 7919) % dovrin::LastLunarIndex;  // jump around the span
    }
}
BENCHMARK(BM_sInitDate);

static void BM_TableOfTheWholeSpan(benchmark::State& state)
{
    const dovrin::RestDays restDays;
    std::string out;
    for (auto _ : state) {
        out.clear();
        dovrin::cli::AppendTableLines(out, dovrin::FirstCoveredDay, dovrin::LastCoveredDay, restDays);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["days"] = static_cast<double>(dovrin::LastLunarIndex);
}
BENCHMARK(BM_TableOfTheWholeSpan)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
