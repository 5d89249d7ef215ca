// Solar terms from the ephemeris table: their days, and their instants against published ones.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

constexpr std::array<const char*, 24> Names = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

std::string TermOn(int y, int m, int d)
{
    clsDate date;
    date.sInitDate(y, m, d);
    return date.lSolarTerm();
}

// Seconds after midnight of "HH:MM:SS"; -1 for anything else.
int SecondOfDay(const std::string& text)
{
    if (text.size() != 8 || text[2] != ':' || text[5] != ':') return -1;
    return std::atoi(text.c_str()) * 3600 + std::atoi(text.c_str() + 3) * 60 + std::atoi(text.c_str() + 6);
}

struct PublishedInstant {
    int year, month, day;
    const char* term;
    int hour, minute, second;
    int tolerance;  // seconds
};

// Beijing (= Hong Kong) time, UTC+8.
constexpr PublishedInstant PublishedInstants[] = {
    // Terms within two minutes of midnight, to the second from independent ephemeris codes
    // (full VSOP87 and JPL DE series): an error of seconds would move these to another day.
    {1979, 1, 20, "大寒", 23, 59, 52, 60},
    {2021, 12, 21, "冬至", 23, 59, 14, 60},
    {1951, 12, 23, "冬至", 0, 0, 11, 60},
    {2008, 5, 21, "小满", 0, 0, 46, 60},
    {1911, 5, 7, "立夏", 0, 0, 30, 60},
    {2014, 3, 6, "惊蛰", 0, 1, 56, 60},
    {1923, 2, 19, "雨水", 23, 59, 42, 60},
    // Hong Kong Observatory, "2013 年二十四节气的日期及时间资料" (from HM Nautical Almanac
    // Office and USNO data), to the minute: 30 s of rounding on top.
    {2013, 1, 5, "小寒", 12, 34, 0, 90},   {2013, 1, 20, "大寒", 5, 52, 0, 90},
    {2013, 2, 4, "立春", 0, 13, 0, 90},    {2013, 2, 18, "雨水", 20, 2, 0, 90},
    {2013, 3, 5, "惊蛰", 18, 15, 0, 90},   {2013, 3, 20, "春分", 19, 2, 0, 90},
    {2013, 4, 4, "清明", 23, 2, 0, 90},    {2013, 4, 20, "谷雨", 6, 3, 0, 90},
    {2013, 5, 5, "立夏", 16, 18, 0, 90},   {2013, 5, 21, "小满", 5, 9, 0, 90},
    {2013, 6, 5, "芒种", 20, 23, 0, 90},   {2013, 6, 21, "夏至", 13, 4, 0, 90},
    {2013, 7, 7, "小暑", 6, 35, 0, 90},    {2013, 7, 22, "大暑", 23, 56, 0, 90},
    {2013, 8, 7, "立秋", 16, 20, 0, 90},   {2013, 8, 23, "处暑", 7, 2, 0, 90},
    {2013, 9, 7, "白露", 19, 16, 0, 90},   {2013, 9, 23, "秋分", 4, 44, 0, 90},
    {2013, 10, 8, "寒露", 10, 58, 0, 90},  {2013, 10, 23, "霜降", 14, 10, 0, 90},
    {2013, 11, 7, "立冬", 14, 14, 0, 90},  {2013, 11, 22, "小雪", 11, 48, 0, 90},
    {2013, 12, 7, "大雪", 7, 9, 0, 90},    {2013, 12, 22, "冬至", 1, 11, 0, 90},
    // USNO, "Earth's Seasons" for 2023 (given there in US Eastern time), to the minute.
    {2023, 3, 21, "春分", 5, 24, 0, 90},   {2023, 6, 21, "夏至", 22, 58, 0, 90},
    {2023, 9, 23, "秋分", 14, 50, 0, 90},  {2023, 12, 22, "冬至", 11, 27, 0, 90},
};

}  // namespace

TEST(SolarTerms, All24Of2008)
{
    static constexpr std::array<std::array<int, 2>, 24> days = {{
        {1, 6}, {1, 21}, {2, 4}, {2, 19}, {3, 5}, {3, 20}, {4, 4}, {4, 20}, {5, 5}, {5, 21}, {6, 5}, {6, 21},
        {7, 7}, {7, 22}, {8, 7}, {8, 23}, {9, 7}, {9, 22}, {10, 8}, {10, 23}, {11, 7}, {11, 22}, {12, 7}, {12, 21}}};
    for (std::size_t k = 0; k < days.size(); ++k) {
        EXPECT_EQ(TermOn(2008, days[k][0], days[k][1]), Names[k]) << Names[k];
        EXPECT_EQ(TermOn(2008, days[k][0], days[k][1] - 1), "") << "day before " << Names[k];
    }
}

TEST(SolarTerms, InstantsAgreeWithPublishedOnes)
{
    for (const PublishedInstant& p : PublishedInstants) {
        SCOPED_TRACE(std::to_string(p.year) + "-" + std::to_string(p.month) + "-" + std::to_string(p.day) + " " +
                     p.term);
        clsDate date;
        date.sInitDate(p.year, p.month, p.day);
        EXPECT_EQ(date.lSolarTerm(), p.term);
        const int second = SecondOfDay(date.lSolarTermTime());
        ASSERT_GE(second, 0) << date.lSolarTermTime();
        EXPECT_LE(std::abs(second - (p.hour * 3600 + p.minute * 60 + p.second)), p.tolerance)
            << date.lSolarTermTime();
        EXPECT_EQ(TermOn(p.year, p.month, p.day - 1), "");
        EXPECT_EQ(TermOn(p.year, p.month, p.day + 1), "");
    }
}

TEST(SolarTerms, InstantsNearMidnightStayOnTheirDay)
{
    EXPECT_EQ(TermOn(2008, 9, 22), "秋分");  // 23:44
    EXPECT_EQ(TermOn(2008, 9, 23), "");
    EXPECT_EQ(TermOn(2008, 1, 21), "大寒");  // 00:43
    EXPECT_EQ(TermOn(2049, 12, 7), "大雪");  // 00:46
    EXPECT_EQ(TermOn(2049, 12, 6), "");
    // Days the mean tropical year of the old almanac rule had one off.
    EXPECT_EQ(TermOn(2026, 6, 5), "芒种");  // 23:48
    EXPECT_EQ(TermOn(2026, 6, 6), "");
    EXPECT_EQ(TermOn(2024, 8, 22), "处暑");
    EXPECT_EQ(TermOn(2023, 6, 21), "夏至");
    EXPECT_EQ(TermOn(2023, 11, 8), "立冬");
    EXPECT_EQ(TermOn(2017, 12, 22), "冬至");
    EXPECT_EQ(TermOn(1910, 2, 5), "立春");
}

TEST(SolarTerms, EdgesOfTheCoveredYears)
{
    EXPECT_EQ(TermOn(1900, 1, 6), "小寒");
    EXPECT_EQ(TermOn(1900, 2, 4), "立春");
    EXPECT_EQ(TermOn(1900, 12, 22), "冬至");
    EXPECT_EQ(TermOn(2049, 1, 5), "小寒");
    EXPECT_EQ(TermOn(2049, 2, 3), "立春");
    EXPECT_EQ(TermOn(2049, 12, 21), "冬至");
    EXPECT_EQ(TermOn(2100, 12, 22), "冬至");
    EXPECT_EQ(TermOn(2101, 1, 5), "小寒");  // the last lunar year ends in 2101
    EXPECT_EQ(TermOn(2008, 2, 5), "");
    // Years without ephemeris data name no term, nor a time.
    EXPECT_EQ(TermOn(1899, 12, 22), "");
    EXPECT_EQ(TermOn(2102, 1, 5), "");
    clsDate date;
    date.sInitDate(2102, 1, 5);
    EXPECT_EQ(date.lSolarTermTime(), "");
}

TEST(SolarTerms, EveryYearHasEach24OnceInOrder)
{
    // 1900-2100, the table's years: 24 terms a year from 小寒, each 14 to 16 days after the last.
    clsDate date;
    std::int64_t previousDay = 0;
    std::size_t k = 0;
    std::int32_t count = 0;
    const std::int64_t last = dovrin::DayNumber(2100, 12, 31);
    for (std::int64_t day = dovrin::DayNumber(1900, 1, 1); day <= last; ++day) {
        const dovrin::CivilDate d = dovrin::DateOfDayNumber(day);
        date.sInitDate(d.year, d.month, d.day);
        const std::string term = date.lSolarTerm();
        ASSERT_EQ(term.empty(), date.lSolarTermTime().empty()) << dovrin::IsoDate(d);
        if (term.empty()) continue;
        ASSERT_EQ(term, Names[k]) << dovrin::IsoDate(d);
        if (k == 0) {
            EXPECT_EQ(d.year, 1900 + count / 24) << dovrin::IsoDate(d);
        }
        if (previousDay != 0) {
            EXPECT_GE(day - previousDay, 14) << dovrin::IsoDate(d);
            EXPECT_LE(day - previousDay, 16) << dovrin::IsoDate(d);
        }
        previousDay = day;
        k = (k + 1) % Names.size();
        ++count;
    }
    EXPECT_EQ(count, 201 * 24);
}
