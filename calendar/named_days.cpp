// The named days of a stretch of the calendar as data.
#include "calendar/named_days.h"

#include <algorithm>
#include <utility>

#include "calendar/almanac.h"
#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/utf8.h"

namespace dovrin {
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

// "8日", or "12月30日" when the day needs its month said.
std::string DayText(CivilDate day, bool withMonth)
{
    return (withMonth ? std::to_string(day.month) + "月" : "") + std::to_string(day.day) + "日";
}

// The official days off and working days that touch the month, as list entries:
// "1日–7日 国庆节 放假", "10日 上班（国庆节调休）".
std::vector<NamedDay> DaysOffEntries(const std::vector<DayOffPeriod>& periods)
{
    std::vector<NamedDay> entries;
    for (const DayOffPeriod& period : periods) {
        const bool off = period.kind == DayOff::Rest;
        entries.push_back({period.first, period.last, off ? NamedDayKind::DaysOff : NamedDayKind::WorkDay,
                           off ? period.holiday + " 放假" : "上班（" + period.holiday + "调休）", {}});
    }
    return entries;
}

// The almanac's 入梅 and 出梅 are named as the almanac's, never as the weather bureau's.
std::string SeasonalName(std::string_view name)
{
    std::string text = name == "入梅" || name == "出梅" ? "历书" : "";
    text += name;
    return text;
}

// Where an entry stands among those of its first day.
int PlaceOnDay(NamedDayKind kind)
{
    switch (kind) {
    case NamedDayKind::DaysOff:
    case NamedDayKind::WorkDay: return 0;
    case NamedDayKind::Lunar:
    case NamedDayKind::SolarTerm: return 1;
    case NamedDayKind::MyDay: return 2;
    case NamedDayKind::Gregorian:
    case NamedDayKind::Week:
    case NamedDayKind::Seasonal: break;
    }
    return 3;
}

}  // namespace

std::string SeasonalNamesOfDay(CivilDate day)
{
    std::string names;
    // Appended piece by piece: g++ 12 warns of a false overlap in " " + name.
    for (const SeasonalDay& seasonal : SeasonalDays(day, day)) {
        if (!names.empty()) names += ' ';
        names += SeasonalName(seasonal.name);
    }
    return names;
}

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
    // After the day's other names, the seasonal counts it begins.
    for (const SeasonalDay& seasonal : SeasonalDays(first, last))
        out.push_back({seasonal.date, seasonal.date, NamedDayKind::Seasonal, SeasonalName(seasonal.name), {}});
    std::stable_sort(out.begin(), out.end(), [](const NamedDay& a, const NamedDay& b) { return a.first < b.first; });
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
    return month >= 1 && month <= 12 && clsDate::lLeapMonth(year) == month;
}

std::int32_t LunarMonthLength(std::int32_t year, std::int32_t month, bool leap)
{
    return leap ? clsDate::lLeapDays(year) : clsDate::lMonthDays(year, month);
}

std::vector<NamedDay> MyDayEntries(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& found)
{
    std::vector<NamedDay> entries;
    for (const MyDayOnDate& entry : found) {
        if (entry.index >= days.size()) continue;
        const MyDay& day = days[entry.index];
        std::string text = MyDayTitleText(day, entry.occurrence);
        const std::string shift = MyDayShiftText(day, entry.occurrence);
        if (!shift.empty()) text += "，" + shift;
        entries.push_back({entry.date, entry.date, NamedDayKind::MyDay, std::move(text), {}});
    }
    return entries;
}

// The named days with the days off and the user's days among them, in date order.
std::vector<NamedDay> ListOfMonth(const std::vector<NamedDay>& named, const std::vector<DayOffPeriod>& daysOff,
                                  const std::vector<NamedDay>& mine)
{
    std::vector<NamedDay> list = DaysOffEntries(daysOff);
    list.insert(list.end(), named.begin(), named.end());
    list.insert(list.end(), mine.begin(), mine.end());
    std::stable_sort(list.begin(), list.end(), [](const NamedDay& a, const NamedDay& b) {
        if (a.first != b.first) return a.first < b.first;
        return PlaceOnDay(a.kind) < PlaceOnDay(b.kind);
    });
    return list;
}

// "8日 护士节", "5日 芒种 23:48", "1日–7日 国庆节 放假"; a range that crosses into another
// month names both months: "4月30日–5月2日 劳动节 放假".
std::string ListEntryText(const NamedDay& entry, std::int32_t month)
{
    const bool withMonths = entry.first.month != month || entry.last.month != month;
    std::string when = DayText(entry.first, withMonths);
    if (entry.last != entry.first) when += "–" + DayText(entry.last, withMonths);
    std::string text = when + " " + entry.text;
    if (!entry.instant.empty()) {
        // Appended piece by piece: g++ 12 warns of a false overlap in " " + minute.
        text += " ";
        text += InstantMinute(entry.instant);
    }
    return text;
}

}  // namespace dovrin
