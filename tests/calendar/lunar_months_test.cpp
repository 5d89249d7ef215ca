// The lunar table against the sky: months from libnova's new moons and the principal terms.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/solar_term_instants.h"
#include "calendar/tools/ephemeris.h"

namespace {

struct Month {
    std::int64_t first = 0;  // serial of its first day, Beijing time
    bool principalTerm = false;
    std::int32_t year = 0, number = 0;
    bool leap = false;
};

std::int64_t DayOf(std::int64_t beijingSeconds)
{
    return dovrin::FloorDiv(beijingSeconds, 86400);
}

// Months whose first days run from before 冬至 1899 to after the span, numbered by the rules
// of GB/T 33661-2017: the month holding 冬至 is the 11th; in a year of 13 months from one such
// month to the next, the first month without a principal term is the leap month.
std::vector<Month> MonthsFromTheSky()
{
    constexpr double JulianDayOfSerialZero = 2415018.5;
    std::vector<Month> months;
    for (double guess = JulianDayOfSerialZero - 15; guess < JulianDayOfSerialZero + 55250; guess += 29.530589) {
        const double jde = dovrin::ephemeris::NewMoonJde(guess);
        months.push_back({DayOf(dovrin::ephemeris::BeijingSeconds(jde))});
    }
    // 冬至 of 1899 comes from the ephemeris; the table starts with 1900.
    const double solstice1899 = dovrin::ephemeris::SolarTermJde(1899, 23);
    std::vector<std::int64_t> winterSolstices{DayOf(dovrin::ephemeris::BeijingSeconds(solstice1899))};
    std::vector<std::int64_t> principal = winterSolstices;
    for (std::size_t i = 1; i < dovrin::SolarTermInstants.size(); i += 2) {
        principal.push_back(DayOf(dovrin::SolarTermInstants[i]));
        if (i % 24 == 23) winterSolstices.push_back(DayOf(dovrin::SolarTermInstants[i]));
    }
    const auto monthOf = [&months](std::int64_t day) {
        std::size_t i = 0;
        while (i + 1 < months.size() && months[i + 1].first <= day) ++i;
        return i;
    };
    for (std::int64_t day : principal)
        if (day < months.back().first) months[monthOf(day)].principalTerm = true;

    for (std::size_t y = 0; y + 1 < winterSolstices.size() && winterSolstices[y + 1] < months.back().first; ++y) {
        const std::size_t from = monthOf(winterSolstices[y]);
        const std::size_t to = monthOf(winterSolstices[y + 1]);
        const auto lunarYear = static_cast<std::int32_t>(1899 + y);
        months[from] = {months[from].first, true, lunarYear, 11, false};
        bool leapLeft = to - from == 13;
        std::int32_t number = 11, year = lunarYear;
        for (std::size_t i = from + 1; i < to; ++i) {
            if (leapLeft && !months[i].principalTerm) {
                months[i].leap = true;
                leapLeft = false;
            } else if ((number = number % 12 + 1) == 1) {
                ++year;
            }
            months[i].year = year;
            months[i].number = number;
        }
    }
    return months;
}

}  // namespace

TEST(LunarMonths, TheTableFollowsTheSkyButInTheYearsItKeepsAsPublished)
{
    const std::vector<Month> months = MonthsFromTheSky();
    std::map<std::int32_t, int> differingDays;  // by Gregorian year
    clsDate date;
    std::size_t m = 0;
    const std::int64_t last = dovrin::DayNumber(2050, 1, 22);
    for (std::int64_t serial = dovrin::DayNumber(1900, 1, 31); serial <= last; ++serial) {
        while (months[m + 1].first <= serial) ++m;
        const dovrin::CivilDate d = dovrin::DateOfDayNumber(serial);
        date.sInitDate(d.year, d.month, d.day);
        const Month& sky = months[m];
        const auto day = static_cast<std::int32_t>(serial - sky.first + 1);
        if (date.lYear() != sky.year || date.lMonth() != sky.number || date.IsLeap() != sky.leap || date.lDay() != day)
            ++differingDays[d.year];
    }
    // One month boundary a day away from the sky's in each, as the calendars of the time were
    // published: before 1929 they were reckoned on Beijing's local time, 14 minutes behind
    // UTC+8 (new moons at 00:01, 00:05 and 00:04 of UTC+8 in 1914, 1916 and 1920); 1933,
    // 1954, 1956 and 1978 follow the almanacs of their day.
    const std::map<std::int32_t, int> keptAsPublished = {{1914, 30}, {1916, 30}, {1920, 30}, {1933, 30},
                                                         {1954, 30}, {1956, 30}, {1978, 30}};
    EXPECT_EQ(differingDays, keptAsPublished);
}
