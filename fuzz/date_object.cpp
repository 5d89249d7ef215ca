// The date object with any 32-bit year, month and day and either leap flag, through either
// conversion, followed by every member; inside the span the two conversions must agree.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "calendar/clsDate.h"
#include "calendar/span.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Reads every member, so that the sanitizers see each of them run on this state.
std::size_t ReadEverything(const clsDate& date, std::int32_t year, std::int32_t month, std::int32_t day)
{
    std::size_t size = date.lSolarTerm().size() + date.wHoliday().size() + date.lHoliday().size() +
                       date.sHoliday().size() + date.sWeekDayStr().size();
    size += date.Constellation(month, day).size() + date.Constellation2(month, day).size();
    size += date.Constellation(date.sMonth(), date.sDay()).size();
    size += date.Era(year).size() + date.GanZhi(year).size() + date.YearAttribute(year).size();
    size += date.Era(date.sYear()).size() + date.GanZhi(date.lYear()).size() + date.YearAttribute(date.lYear()).size();
    size += date.UpNumber(std::to_string(year)).size() + date.UpNumber(std::to_string(day)).size();
    size += date.CDayStr(day).size() + date.CDayStr(date.lDay()).size();
    size += date.sHolidayRecess() ? 1 : 0;
    // A term's time comes with its name, and only with it.
    Require(date.lSolarTermTime().empty() == date.lSolarTerm().empty());
    size += date.lSolarTermTime().size();
    size += date.IsToday(year, month, day) ? 1 : 0;
    const std::int32_t weekday = date.sWeekDay();
    Require(weekday >= 1 && weekday <= 7);
    return size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto year = input.ConsumeIntegral<std::int32_t>();
    const auto month = input.ConsumeIntegral<std::int32_t>();
    const auto day = input.ConsumeIntegral<std::int32_t>();
    const bool leap = input.ConsumeBool();
    const bool lunar = input.ConsumeBool();

    static const dovrin::FixedClock clock({2024, 2, 10});
    clsDate date(clock);
    if (lunar)
        date.lInitDate(year, month, day, leap);
    else
        date.sInitDate(year, month, day);
    ReadEverything(date, year, month, day);

    if (date.lYear() >= dovrin::FirstLunarYear && date.lYear() <= dovrin::LastLunarYear && date.sYear() != 0) {
        // A day inside the span: its lunar date leads back to the same Gregorian day (a
        // lunar day past its month's end is kept as given, so it is normalised first).
        clsDate there(clock);
        there.sInitDate(date.sYear(), date.sMonth(), date.sDay());
        clsDate back(clock);
        back.lInitDate(there.lYear(), there.lMonth(), there.lDay(), there.IsLeap());
        Require(back.sYear() == date.sYear() && back.sMonth() == date.sMonth() && back.sDay() == date.sDay());
        Require(there.lDay() >= 1 && there.lDay() <= 30 && there.lMonth() >= 1 && there.lMonth() <= 12);
        ReadEverything(there, year, month, day);
    }
    return 0;
}
