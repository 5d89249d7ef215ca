// The named days of a stretch of the calendar as data.
#include "named_days.h"

#include <utility>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/utf8.h"

namespace dovrin::cli {
namespace {

void AddNames(std::vector<NamedDay>& out, std::size_t dayStart, CivilDate day, NamedDayKind kind,
              const std::string& text, const std::string& instant = {})
{
    for (std::string& name : SplitAt(text, " ")) {
        if (name.empty()) continue;
        bool seen = false;
        for (std::size_t i = dayStart; i < out.size(); ++i) seen = seen || out[i].text == name;
        if (!seen) out.push_back({day, day, kind, std::move(name), instant});
    }
}

}  // namespace

std::vector<NamedDay> NamedDays(CivilDate first, CivilDate last)
{
    std::vector<NamedDay> out;
    clsDate date;
    for (CivilDate day = first; day <= last; day = day.AddDays(1)) {
        date.sInitDate(day.year, day.month, day.day);
        const std::size_t dayStart = out.size();
        AddNames(out, dayStart, day, NamedDayKind::Lunar, date.lHoliday());
        AddNames(out, dayStart, day, NamedDayKind::SolarTerm, date.lSolarTerm(), date.lSolarTermTime());
        AddNames(out, dayStart, day, NamedDayKind::Gregorian, date.sHoliday());
        AddNames(out, dayStart, day, NamedDayKind::Week, date.wHoliday());
    }
    return out;
}

std::string InstantMinute(const std::string& instant)
{
    return instant.substr(0, 5);
}

std::vector<NamedDay> NamedDaysOfMonth(std::int32_t year, std::int32_t month)
{
    return NamedDays({year, month, 1}, {year, month, DaysInMonth(year, month)});
}

bool HasLeapMonth(std::int32_t year, std::int32_t month)
{
    clsDate date;
    date.lInitDate(year, month, 1, true);
    return date.IsLeap();
}

std::int32_t LunarMonthLength(std::int32_t year, std::int32_t month, bool leap)
{
    // The day after the 29th is either the 30th or the next month's first day.
    clsDate day29;
    day29.lInitDate(year, month, 29, leap);
    clsDate next;
    next.sInitDate(day29.sYear(), day29.sMonth(), day29.sDay() + 1);
    return next.lDay() == 30 ? 30 : 29;
}

}  // namespace dovrin::cli
