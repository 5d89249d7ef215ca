// Solar terms from the 1900 epoch and the mean tropical year.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

std::string TermOn(int y, int m, int d)
{
    clsDate date;
    date.sInitDate(y, m, d);
    return date.lSolarTerm();
}

}  // namespace

TEST(SolarTerms, All24Of2008)
{
    static constexpr std::array<std::array<int, 2>, 24> days = {{
        {1, 6}, {1, 20}, {2, 4}, {2, 19}, {3, 5}, {3, 20}, {4, 4}, {4, 20}, {5, 5}, {5, 21}, {6, 5}, {6, 21},
        {7, 7}, {7, 22}, {8, 7}, {8, 23}, {9, 7}, {9, 23}, {10, 8}, {10, 23}, {11, 7}, {11, 22}, {12, 7}, {12, 21}}};
    static constexpr std::array<const char*, 24> names = {
        "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
        "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};
    for (std::size_t k = 0; k < days.size(); ++k) {
        EXPECT_EQ(TermOn(2008, days[k][0], days[k][1]), names[k]) << names[k];
        EXPECT_EQ(TermOn(2008, days[k][0], days[k][1] - 1), "") << "day before " << names[k];
    }
}

TEST(SolarTerms, InstantsNearMidnightStayOnTheirDay)
{
    EXPECT_EQ(TermOn(2008, 9, 23), "秋分");  // 00:05
    EXPECT_EQ(TermOn(2008, 12, 7), "大雪");  // 00:43
    EXPECT_EQ(TermOn(2049, 12, 6), "大雪");  // 23:02
    EXPECT_EQ(TermOn(2049, 12, 7), "");
    // 立春 of 1910 lands exactly on 00:00 once rounded to the nearest minute.
    EXPECT_EQ(TermOn(1910, 2, 5), "立春");
    EXPECT_EQ(TermOn(1910, 2, 4), "");
}

TEST(SolarTerms, EdgesOfTheCoveredYears)
{
    EXPECT_EQ(TermOn(1900, 1, 6), "小寒");
    EXPECT_EQ(TermOn(1900, 2, 4), "立春");
    EXPECT_EQ(TermOn(1900, 12, 22), "冬至");
    EXPECT_EQ(TermOn(2049, 1, 5), "小寒");
    EXPECT_EQ(TermOn(2049, 2, 3), "立春");
    EXPECT_EQ(TermOn(2049, 12, 21), "冬至");
    EXPECT_EQ(TermOn(2008, 2, 5), "");
}

TEST(SolarTerms, EveryYearHasEach24OnceInOrder)
{
    clsDate date;
    for (int year = 1900; year <= 2049; ++year) {
        std::vector<std::string> seen;
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= dovrin::DaysInMonth(year, month); ++day) {
                date.sInitDate(year, month, day);
                if (std::string term = date.lSolarTerm(); !term.empty()) seen.push_back(term);
            }
        ASSERT_EQ(seen.size(), 24u) << year;
        EXPECT_EQ(seen.front(), "小寒") << year;
        EXPECT_EQ(seen.back(), "冬至") << year;
    }
}
