// Gregorian to lunar and back, over named days and over the whole covered span.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <map>
#include <tuple>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"
#include "calendar/lunar_table.h"

namespace {

struct Lunar {
    int year, month, day;
    bool leap;
};

Lunar LunarOf(int y, int m, int d)
{
    clsDate date;
    date.sInitDate(y, m, d);
    return {date.lYear(), date.lMonth(), date.lDay(), date.IsLeap()};
}

void ExpectLunar(int y, int m, int d, Lunar want)
{
    const Lunar got = LunarOf(y, m, d);
    EXPECT_EQ(got.year, want.year) << y << "-" << m << "-" << d;
    EXPECT_EQ(got.month, want.month) << y << "-" << m << "-" << d;
    EXPECT_EQ(got.day, want.day) << y << "-" << m << "-" << d;
    EXPECT_EQ(got.leap, want.leap) << y << "-" << m << "-" << d;
}

dovrin::CivilDate GregorianOf(int y, int m, int d, bool leap)
{
    clsDate date;
    date.lInitDate(y, m, d, leap);
    return {date.sYear(), date.sMonth(), date.sDay()};
}

}  // namespace

TEST(ClsDate, NewObjectHoldsNoDay)
{
    const clsDate date;
    EXPECT_EQ(date.sYear(), 0);
    EXPECT_EQ(date.sMonth(), 0);
    EXPECT_EQ(date.sDay(), 0);
    EXPECT_EQ(date.lYear(), 0);
    EXPECT_EQ(date.lMonth(), 0);
    EXPECT_EQ(date.lDay(), 0);
    EXPECT_FALSE(date.IsLeap());
    EXPECT_EQ(date.sWeekDay(), 7);
    EXPECT_EQ(date.sWeekDayStr(), "星期六");
}

TEST(ClsDate, GregorianToLunarAtYearAndMonthBoundaries)
{
    ExpectLunar(1900, 1, 31, {1900, 1, 1, false});
    ExpectLunar(1900, 2, 1, {1900, 1, 2, false});
    ExpectLunar(1901, 2, 18, {1900, 12, 30, false});
    ExpectLunar(1901, 2, 19, {1901, 1, 1, false});
    ExpectLunar(2008, 2, 6, {2007, 12, 30, false});
    ExpectLunar(2008, 2, 7, {2008, 1, 1, false});
    ExpectLunar(2049, 12, 31, {2049, 12, 7, false});
    ExpectLunar(2050, 1, 22, {2049, 12, 29, false});
    ExpectLunar(2101, 1, 28, {2100, 12, 29, false});
}

TEST(ClsDate, LeapMonthsAreVisitedAfterTheirOrdinaryMonth)
{
    // 2020: leap 4th month of 29 days.
    ExpectLunar(2020, 5, 22, {2020, 4, 30, false});
    ExpectLunar(2020, 5, 23, {2020, 4, 1, true});
    ExpectLunar(2020, 6, 20, {2020, 4, 29, true});
    ExpectLunar(2020, 6, 21, {2020, 5, 1, false});
    // 2017: leap 6th month of 30 days.
    ExpectLunar(2017, 7, 23, {2017, 6, 1, true});
    ExpectLunar(2017, 8, 21, {2017, 6, 30, true});
    ExpectLunar(2017, 8, 22, {2017, 7, 1, false});
    // 1900: leap 8th month of 29 days.
    ExpectLunar(1900, 9, 24, {1900, 8, 1, true});
    // 2033: the month without a principal term after 冬至's month is the leap 11th (29 days),
    // as the official tables have it; the 7th and 8th months are ordinary.
    ExpectLunar(2033, 8, 25, {2033, 8, 1, false});
    ExpectLunar(2033, 9, 8, {2033, 8, 15, false});
    ExpectLunar(2033, 9, 23, {2033, 9, 1, false});
    ExpectLunar(2033, 12, 21, {2033, 11, 30, false});
    ExpectLunar(2033, 12, 22, {2033, 11, 1, true});
    ExpectLunar(2034, 1, 19, {2033, 11, 29, true});
    ExpectLunar(2034, 1, 20, {2033, 12, 1, false});
    ExpectLunar(2034, 2, 19, {2034, 1, 1, false});
}

TEST(ClsDate, MonthLengthsOf1996AsTheOfficialTablesHaveThem)
{
    // Months 4 to 8 of 1996 have 29, 30, 29, 30 and 29 days.
    ExpectLunar(1996, 7, 15, {1996, 5, 30, false});
    ExpectLunar(1996, 7, 16, {1996, 6, 1, false});
    ExpectLunar(1996, 8, 13, {1996, 6, 29, false});
    ExpectLunar(1996, 8, 14, {1996, 7, 1, false});
    ExpectLunar(1996, 9, 12, {1996, 7, 30, false});
    ExpectLunar(1996, 10, 11, {1996, 8, 29, false});
    ExpectLunar(1996, 10, 12, {1996, 9, 1, false});
}

TEST(ClsDate, YearLengthsAgreeWithTheYearWords)
{
    for (std::size_t i = 0; i < dovrin::LunarInfo.size(); ++i) {
        const std::int32_t word = dovrin::LunarInfo[i];
        std::int32_t days = 348 + ((word & 0xF) == 0 ? 0 : ((word & 0x10000) != 0 ? 30 : 29));
        for (int bit = 4; bit <= 15; ++bit) days += (word >> bit) & 1;
        EXPECT_EQ(dovrin::LunarYearDays[i], days) << 1900 + i;
        EXPECT_EQ(word & 0x100000, 0x100000) << 1900 + i;
    }
}

TEST(ClsDate, LunarToGregorian)
{
    EXPECT_EQ(GregorianOf(2020, 4, 1, true), (dovrin::CivilDate{2020, 5, 23}));
    EXPECT_EQ(GregorianOf(2020, 4, 1, false), (dovrin::CivilDate{2020, 4, 23}));
    EXPECT_EQ(GregorianOf(2020, 5, 1, false), (dovrin::CivilDate{2020, 6, 21}));
    EXPECT_EQ(GregorianOf(1900, 1, 1, false), (dovrin::CivilDate{1900, 1, 31}));
    EXPECT_EQ(GregorianOf(2049, 12, 29, false), (dovrin::CivilDate{2050, 1, 22}));
    EXPECT_EQ(GregorianOf(1901, 1, 1, false), (dovrin::CivilDate{1901, 2, 19}));
    EXPECT_EQ(GregorianOf(2049, 1, 1, false), (dovrin::CivilDate{2049, 2, 2}));
}

TEST(ClsDate, LunarToGregorianWithUnusualArguments)
{
    clsDate date;
    date.lInitDate(2020, 3, 1, true);  // 2020 has no leap 3rd month: the request is dropped
    EXPECT_FALSE(date.IsLeap());
    EXPECT_EQ((dovrin::CivilDate{date.sYear(), date.sMonth(), date.sDay()}), (dovrin::CivilDate{2020, 3, 24}));

    date.lInitDate(2020, 4, 30, true);  // the leap month has 29 days: day 30 runs on
    EXPECT_EQ(date.lDay(), 30);
    EXPECT_EQ((dovrin::CivilDate{date.sYear(), date.sMonth(), date.sDay()}), (dovrin::CivilDate{2020, 6, 21}));
}

TEST(ClsDate, AnImpossibleDateIsKeptAsTheDayItRollsOverTo)
{
    clsDate date;
    date.sInitDate(2008, 2, 30);
    EXPECT_EQ(date.sMonth(), 3);
    EXPECT_EQ(date.sDay(), 1);
    // Month 13 and day 32 are real days too, so the lookups read a date that exists.
    date.sInitDate(2007, 13, 1);
    EXPECT_EQ(date.sYear(), 2008);
    EXPECT_EQ(date.sHoliday(), "元旦");
    date.sInitDate(2008, 1, 32);
    EXPECT_EQ(date.sMonth(), 2);
    EXPECT_EQ(date.sDay(), 1);
    date.sInitDate(2008, 2, 30);
    clsDate march;
    march.sInitDate(2008, 3, 1);
    EXPECT_EQ(date.lDay(), march.lDay());
    EXPECT_EQ(date.lMonth(), march.lMonth());
    EXPECT_EQ(date.sWeekDay(), march.sWeekDay());
}

TEST(ClsDate, EveryDayOfTheSpanRoundTripsThroughTheLunarDate)
{
    clsDate there;
    clsDate back;
    int days = 0;
    for (std::int64_t serial = 32; serial <= 73443; ++serial) {  // to 2101-01-28
        const dovrin::CivilDate d = dovrin::DateOfSerial(static_cast<double>(serial));
        there.sInitDate(d.year, d.month, d.day);
        ASSERT_GE(there.lDay(), 1) << d.year << "-" << d.month << "-" << d.day;
        ASSERT_LE(there.lDay(), 30);
        back.lInitDate(there.lYear(), there.lMonth(), there.lDay(), there.IsLeap());
        ASSERT_EQ((dovrin::CivilDate{back.sYear(), back.sMonth(), back.sDay()}), d);
        ASSERT_EQ(back.IsLeap(), there.IsLeap());
        ++days;
    }
    EXPECT_EQ(days, 73412);
}

TEST(ClsDate, MonthLengthsAddUpToTheYear)
{
    // Count the days of every lunar month met on the walk through the span.
    std::map<std::tuple<int, int, bool>, int> monthLengths;
    clsDate date;
    for (std::int64_t serial = 32; serial <= 54810; ++serial) {
        const dovrin::CivilDate d = dovrin::DateOfSerial(static_cast<double>(serial));
        date.sInitDate(d.year, d.month, d.day);
        ++monthLengths[{date.lYear(), date.lMonth(), date.IsLeap()}];
    }
    std::map<int, int> yearLengths;
    std::map<int, int> leapMonths;
    for (const auto& [month, length] : monthLengths) {
        EXPECT_TRUE(length == 29 || length == 30) << std::get<0>(month) << "/" << std::get<1>(month);
        yearLengths[std::get<0>(month)] += length;
        leapMonths[std::get<0>(month)] += std::get<2>(month) ? 1 : 0;
    }
    ASSERT_EQ(yearLengths.size(), 150u);
    int leapYears = 0;
    for (const auto& [year, length] : yearLengths) {
        date.lInitDate(year, 1, 1, false);
        const double start = dovrin::DateSerial(date.sYear(), date.sMonth(), date.sDay());
        date.lInitDate(year, 12, 1, false);
        const double december = dovrin::DateSerial(date.sYear(), date.sMonth(), date.sDay());
        EXPECT_EQ(december - start + monthLengths[(std::tuple{year, 12, false})], length) << year;
        leapYears += leapMonths[year];
    }
    EXPECT_EQ(leapYears, 55);
    EXPECT_EQ(yearLengths[1900], 384);
    EXPECT_EQ(yearLengths[1965], 353);
    for (int year : {1925, 1944, 2006}) EXPECT_EQ(yearLengths[year], 385) << year;
    EXPECT_EQ(yearLengths[2049], 355);
    EXPECT_EQ(monthLengths[(std::tuple{2017, 6, true})], 30);
    EXPECT_EQ(monthLengths[(std::tuple{2020, 4, true})], 29);
}

TEST(ClsDate, DatesOutsideTheSpanLeaveTheLunarFieldsEmpty)
{
    clsDate date;
    for (const auto& d : {dovrin::CivilDate{1900, 1, 30}, dovrin::CivilDate{2101, 1, 29}, dovrin::CivilDate{1, 1, 1},
                          dovrin::CivilDate{9999, 12, 31}, dovrin::CivilDate{-32768, -32768, -32768}}) {
        date.sInitDate(d.year, d.month, d.day);
        // The impossible last date is kept as the day it rolls over to.
        EXPECT_EQ(date.sYear(), dovrin::DateOfDayNumber(dovrin::DayNumber(d.year, d.month, d.day)).year);
        EXPECT_EQ(date.lYear(), 0);
        EXPECT_EQ(date.lMonth(), 0);
        EXPECT_EQ(date.lDay(), 0);
        EXPECT_FALSE(date.IsLeap());
        EXPECT_EQ(date.CDayStr(date.lDay()), "");
        EXPECT_EQ(date.lHoliday(), "");
    }

    date.lInitDate(1899, 12, 1, false);
    EXPECT_EQ(date.sYear(), 0);
    EXPECT_FALSE(date.IsLeap());
    date.lInitDate(2101, 1, 1, true);
    EXPECT_EQ(date.sYear(), 0);
    EXPECT_EQ(date.lYear(), 2101);
}

TEST(ClsDate, ExtremeArgumentsLeaveTheSpanInConstantTimeWithDefinedTexts)
{
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    const auto start = std::chrono::steady_clock::now();
    clsDate date;
    const auto expectNoDay = [&date](const char* what) {
        EXPECT_EQ(date.sYear(), 0) << what;
        EXPECT_FALSE(date.IsLeap()) << what;
        EXPECT_EQ(date.lHoliday(), "") << what;
    };
    // A month or day that runs past the span counts as outside, however far it runs.
    for (int round = 0; round < 20; ++round) {
        date.lInitDate(2049, hi, 1, false);
        expectNoDay("month max");
        date.lInitDate(1900, hi, hi, true);
        expectNoDay("month and day max");
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    date.lInitDate(2100, 12, 30, false);  // a day past the last one of the span
    expectNoDay("2100-12-30");
    date.lInitDate(1900, 1, 0, false);
    expectNoDay("the day before the first");
    date.lInitDate(hi, 12, 29, false);
    expectNoDay("year max");
    // A month that stays inside the span keeps its day: 13 is next year's first, and a month
    // before the first adds no months.
    EXPECT_EQ(GregorianOf(2020, 13, 1, false), GregorianOf(2021, 1, 1, false));
    EXPECT_EQ(GregorianOf(1900, 100, 1, false), (dovrin::CivilDate{1908, 1, 18}));
    EXPECT_EQ(GregorianOf(2049, lo, 1, false), GregorianOf(2049, 1, 1, false));

    // Gregorian fields read by the texts stay defined at the ends of the 32-bit range.
    date.sInitDate(lo, 1, 1);
    EXPECT_EQ(date.sYear(), lo);
    EXPECT_EQ(date.lSolarTerm(), "");
    EXPECT_EQ(date.lYear(), 0);
    date.sInitDate(2000, 1, lo);
    EXPECT_EQ(date.wHoliday(), "");
    EXPECT_EQ(date.lHoliday(), "");
    date.sInitDate(hi, hi, hi);  // rolls past the years a field holds: kept as given
    EXPECT_EQ(date.sYear(), hi);
    EXPECT_EQ(date.sDay(), hi);
    EXPECT_EQ(date.lSolarTerm(), "");
    EXPECT_EQ(date.wHoliday(), "");
    EXPECT_GE(date.sWeekDay(), 1);
    EXPECT_LE(date.sWeekDay(), 7);
}

TEST(ClsDate, IsTodayComparesItsArgumentsWithTheClock)
{
    const dovrin::FixedClock clock({2008, 2, 8});
    clsDate date(clock);
    date.sInitDate(1950, 6, 1);
    EXPECT_TRUE(date.IsToday(2008, 2, 8));
    EXPECT_FALSE(date.IsToday(2008, 2, 9));
    EXPECT_EQ(date.sYear(), 1950);
}
