// The named days of a stretch of the calendar as data: holidays, solar terms and the days that
// begin a seasonal count (初伏, 一九, 历书入梅 ...) in date order, each name whole. The month grids and the printed month list them under each month
// and the iCalendar export turns them into events.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/day_look.h"
#include "calendar/my_day_rules.h"

namespace dovrin {

// In the order the names of one day are listed; the grid cell shows the first.
enum class NamedDayKind {
    Lunar,      // lunar festival, 除夕 included
    SolarTerm,  // one of the 24 solar terms
    MyDay,      // one of the user's own days, from their file
    Gregorian,  // fixed Gregorian day
    Week,       // the n-th weekday of a month
    Seasonal,   // the first day of a 伏, of a 九, 出伏, 历书入梅 or 历书出梅
    DaysOff,    // an official holiday period (放假)
    WorkDay,    // a weekend day that is a working day (调休上班)
};

struct NamedDay {
    CivilDate first;
    CivilDate last;  // the same as first for a single day
    NamedDayKind kind = NamedDayKind::Gregorian;
    std::string text;  // the whole name, e.g. "国际母亲节"
    std::string instant;  // a solar term's "HH:MM:SS" in Beijing time; "" for other days
};

// "23:48" of "23:48:15": the minute the instant falls in, never rounded up into the next day.
std::string InstantMinute(const std::string& instant);

// Every named day that starts between first and last (both included), in date order and,
// on one day, in the order of NamedDayKind. A text that holds several names separated by
// spaces ("国庆节 国际音乐日") gives one entry per name; a name given twice on one day is
// listed once.
std::vector<NamedDay> NamedDays(CivilDate first, CivilDate last);

// The seasonal counts that begin on `day`, as the lists name them ("初伏", "一九", "历书入梅"),
// separated by spaces; "" on other days.
std::string SeasonalNamesOfDay(CivilDate day);

// The named days of one Gregorian month.
std::vector<NamedDay> NamedDaysOfMonth(std::int32_t year, std::int32_t month);

// The user's own days `found` for a stretch (MyDaysBetween over `days`) as list entries, the
// title with its date and years and, where a rule moved the date, what it did:
// "15日 妈妈生日（农历八月十五，六十六岁）", "6日 祖父忌日（农历腊月三十），今年腊月小，提前到廿九".
std::vector<NamedDay> MyDayEntries(const std::vector<MyDay>& days, const std::vector<MyDayOnDate>& found);

// What the list under a month holds: its named days with the official days off and working
// days that touch the month (`daysOff`) and the user's days (`mine`, from MyDayEntries)
// among them, in date order; on one day the days off first, the user's days after the lunar
// festivals and solar terms.
std::vector<NamedDay> ListOfMonth(const std::vector<NamedDay>& named, const std::vector<DayOffPeriod>& daysOff,
                                  const std::vector<NamedDay>& mine = {});

// One entry of that list: "8日 护士节", "5日 芒种 23:48", "1日–7日 国庆节 放假"; a range that
// crosses into another month names both months: "4月30日–5月2日 劳动节 放假".
std::string ListEntryText(const NamedDay& entry, std::int32_t month);

// Lunar facts shared by the grid, the checks of the command line and the export.
// Whether lunar year `year` has a leap month after month `month`.
bool HasLeapMonth(std::int32_t year, std::int32_t month);
// 29 or 30: the length of the month (of its leap month when `leap`).
std::int32_t LunarMonthLength(std::int32_t year, std::int32_t month, bool leap);

}  // namespace dovrin
