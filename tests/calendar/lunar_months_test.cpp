// The lunar table against the sky: months from libnova's new moons and the principal terms.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/tools/lunar_months.h"

namespace {

dovrin::CivilDate GregorianOf(std::int32_t year, std::int32_t month, bool leap)
{
    clsDate date;
    date.lInitDate(year, month, 1, leap);
    return {date.sYear(), date.sMonth(), date.sDay()};
}

}  // namespace

TEST(LunarMonths, TheTableFollowsTheSkyButInTheYearsItKeepsAsPublished)
{
    const std::vector<dovrin::ephemeris::LunarMonth> months = dovrin::ephemeris::LunarMonths(1900, 2049);
    std::map<std::int32_t, int> differingDays;  // by Gregorian year
    clsDate date;
    std::size_t m = 0;
    const std::int64_t last = dovrin::DayNumber(2050, 1, 22);
    for (std::int64_t serial = dovrin::DayNumber(1900, 1, 31); serial <= last; ++serial) {
        while (months[m + 1].first <= serial) ++m;
        const dovrin::CivilDate d = dovrin::DateOfDayNumber(serial);
        date.sInitDate(d.year, d.month, d.day);
        const dovrin::ephemeris::LunarMonth& sky = months[m];
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

TEST(LunarMonths, YearsComputedFromTheSkyAfterThePublishedTable)
{
    // An independent computation by GB/T 33661-2017 with another ephemeris code: 春节, and
    // each leap month of 2050-2100 with, where known, its first day.
    struct Year {
        std::int32_t year;
        std::optional<dovrin::CivilDate> newYear;
        std::int32_t leapMonth;
        std::optional<dovrin::CivilDate> leapStart;
    };
    const std::vector<Year> known = {
        {2050, {{2050, 1, 23}}, 3, {{2050, 4, 21}}}, {2052, {}, 8, {}}, {2055, {}, 6, {}},
        {2057, {{2057, 2, 4}}, 0, {}}, {2058, {}, 4, {}}, {2061, {{2061, 1, 21}}, 3, {}},
        {2063, {}, 7, {}}, {2066, {}, 5, {}}, {2069, {}, 4, {}}, {2071, {}, 8, {}}, {2074, {}, 6, {}},
        {2076, {{2076, 2, 5}}, 0, {}}, {2077, {}, 4, {}}, {2080, {}, 3, {}}, {2082, {}, 7, {}},
        {2085, {}, 5, {}}, {2088, {}, 4, {}}, {2089, {{2089, 2, 10}}, 0, {}}, {2090, {}, 8, {}},
        {2093, {}, 6, {}}, {2096, {}, 4, {}}, {2099, {}, 2, {{2099, 3, 22}}}, {2100, {{2100, 2, 9}}, 0, {}},
    };
    std::map<std::int32_t, std::int32_t> leapMonths;
    for (const Year& y : known) leapMonths[y.year] = y.leapMonth;
    for (std::int32_t year = 2050; year <= 2100; ++year)
        for (std::int32_t month = 1; month <= 12; ++month) {
            clsDate date;
            date.lInitDate(year, month, 1, true);
            EXPECT_EQ(date.IsLeap(), leapMonths[year] == month) << year << " month " << month;
        }
    for (const Year& y : known) {
        if (y.newYear) {
            EXPECT_EQ(GregorianOf(y.year, 1, false), *y.newYear) << y.year;
        }
        if (y.leapStart) {
            EXPECT_EQ(GregorianOf(y.year, y.leapMonth, true), *y.leapStart) << y.year;
        }
    }
    // New moons within seconds of Beijing midnight, on the day of today's prediction of ΔT:
    // 2057-09-29 00:00:03 and 2097-08-07 23:59:39.
    EXPECT_EQ(GregorianOf(2057, 9, false), (dovrin::CivilDate{2057, 9, 29}));
    EXPECT_EQ(GregorianOf(2097, 7, false), (dovrin::CivilDate{2097, 8, 7}));
}

TEST(LunarMonths, ThePublishedTableRunsOnIntoTheComputedYears)
{
    // Every day from the published table's last month to the span's end is the day after the
    // one before, months following in order: 1..12 with the leap month after its namesake.
    clsDate date;
    date.sInitDate(2049, 12, 1);
    std::int32_t year = date.lYear(), month = date.lMonth(), day = date.lDay();
    bool leap = date.IsLeap();
    std::map<std::int32_t, int> leapsOfYear;
    for (std::int64_t serial = dovrin::DayNumber(2049, 12, 2); serial <= dovrin::DayNumber(2101, 1, 28); ++serial) {
        const dovrin::CivilDate d = dovrin::DateOfDayNumber(serial);
        date.sInitDate(d.year, d.month, d.day);
        if (date.lDay() != day + 1) {
            ASSERT_EQ(date.lDay(), 1) << dovrin::IsoDate(d);
            ASSERT_TRUE(day == 29 || day == 30) << dovrin::IsoDate(d);
            const bool nextYear = month == 12 && date.lMonth() == 1 && !date.IsLeap();
            ASSERT_EQ(date.lYear(), nextYear ? year + 1 : year) << dovrin::IsoDate(d);
            if (date.IsLeap()) {
                ASSERT_TRUE(date.lMonth() == month && !leap) << dovrin::IsoDate(d);
                ++leapsOfYear[date.lYear()];
            } else if (!nextYear) {
                ASSERT_EQ(date.lMonth(), month + 1) << dovrin::IsoDate(d);
            }
        } else {
            ASSERT_TRUE(date.lYear() == year && date.lMonth() == month && date.IsLeap() == leap) << dovrin::IsoDate(d);
        }
        year = date.lYear(), month = date.lMonth(), day = date.lDay(), leap = date.IsLeap();
    }
    EXPECT_EQ((dovrin::CivilDate{year, month, day}), (dovrin::CivilDate{2100, 12, 29}));
    for (const auto& [y, count] : leapsOfYear) EXPECT_EQ(count, 1) << y;
    EXPECT_EQ(leapsOfYear.size(), 19u);
}
