// The user's own days: their dates in the years that test the rules, and their words.
#include <gtest/gtest.h>

#include <cmath>

#include "calendar/clsDate.h"
#include "calendar/my_day_rules.h"

using dovrin::CivilDate;
using dovrin::MyDay;

namespace {

MyDay Lunar(std::int32_t month, std::int32_t day, bool leap = false)
{
    MyDay d;
    d.title.push_back('x');
    d.month = month;
    d.day = day;
    d.leap = leap;
    return d;
}

std::vector<CivilDate> DatesIn(const MyDay& day, std::int32_t year)
{
    std::vector<CivilDate> dates;
    for (const auto& occurrence : dovrin::OccurrencesInYear(day, year)) dates.push_back(occurrence.date);
    return dates;
}

// Age of the mean moon at 00:00 Beijing time, in days, from the new moon of 2000-01-06
// 18:14 UTC and the mean synodic month.
double MeanMoonAge(CivilDate date)
{
    const double newMoon = static_cast<double>(CivilDate{2000, 1, 7}.Days()) + 2.23 / 24;
    const double synodic = 29.530588853;
    const double age = std::fmod(static_cast<double>(date.Days()) - newMoon, synodic);
    return age < 0 ? age + synodic : age;
}

}  // namespace

// 八月十五 in each year 1960-2100: once, on a day read back as 八月十五, in the weeks the
// full moon of autumn keeps to, near the mean full moon, and on the published days.
TEST(MyDayRules, MidAutumnEveryYear)
{
    const MyDay day = Lunar(8, 15);
    clsDate date;
    for (std::int32_t year = 1960; year <= 2100; ++year) {
        const std::vector<CivilDate> dates = DatesIn(day, year);
        ASSERT_EQ(dates.size(), 1u) << year;
        const CivilDate d = dates[0];
        date.sInitDate(d.year, d.month, d.day);
        EXPECT_TRUE(date.lYear() == year && date.lMonth() == 8 && date.lDay() == 15 && !date.IsLeap()) << year;
        EXPECT_TRUE(d >= CivilDate({year, 9, 7}) && d <= CivilDate({year, 10, 8})) << year;
        EXPECT_NEAR(MeanMoonAge(d), 13.5, 1.5) << year;
    }
    for (const CivilDate published : {CivilDate{1990, 10, 3}, CivilDate{2000, 9, 12}, CivilDate{2008, 9, 14},
                                      CivilDate{2010, 9, 22}, CivilDate{2014, 9, 8}, CivilDate{2017, 10, 4},
                                      CivilDate{2020, 10, 1}, CivilDate{2023, 9, 29}, CivilDate{2024, 9, 17},
                                      CivilDate{2025, 10, 6}})
        EXPECT_EQ(DatesIn(day, published.year), std::vector<CivilDate>{published}) << published.year;
}

// Each rule in the years that need it: 腊月 of lunar 2024 has 29 days (除夕 2025-01-28,
// 春节 01-29) while that of 2023 has 30 (除夕 2024-02-09); 2020 has a leap fourth month,
// 2021 none and 2023 a leap second month; 腊月初一 falls twice in 2024.
TEST(MyDayRules, MissingDatesFollowTheirRules)
{
    using dovrin::DayShift;
    struct Row {
        MyDay day;
        std::int32_t year;
        std::vector<CivilDate> dates;
        DayShift shift;
    };
    MyDay eveSkip = Lunar(12, 30), eveNext = Lunar(12, 30), leapSkip = Lunar(4, 1, true), twice = Lunar(4, 15);
    eveSkip.shortMonth = dovrin::ShortMonthRule::Skip;
    eveNext.shortMonth = dovrin::ShortMonthRule::NextMonthFirst;
    leapSkip.missingLeap = dovrin::MissingLeapRule::Skip;
    twice.leapYear = dovrin::LeapYearRule::Twice;
    MyDay leapDay;
    leapDay.lunar = false;
    leapDay.month = 2;
    leapDay.day = 29;
    MyDay leapDayMarch = leapDay;
    leapDayMarch.commonYear = dovrin::CommonYearRule::Mar1;
    for (const Row& row : {
             Row{Lunar(12, 30), 2025, {{2025, 1, 28}}, DayShift::Earlier},
             Row{Lunar(12, 30), 2024, {{2024, 2, 9}}, DayShift::None},
             Row{eveSkip, 2025, {}, DayShift::None},
             Row{eveNext, 2025, {{2025, 1, 29}}, DayShift::Later},
             Row{Lunar(4, 1, true), 2020, {{2020, 5, 23}}, DayShift::None},
             Row{Lunar(4, 1, true), 2021, {{2021, 5, 12}}, DayShift::None},
             Row{Lunar(4, 1, true), 2023, {{2023, 5, 19}}, DayShift::None},
             Row{leapSkip, 2021, {}, DayShift::None},
             Row{Lunar(4, 15), 2020, {{2020, 5, 7}}, DayShift::None},
             Row{twice, 2020, {{2020, 5, 7}, {2020, 6, 6}}, DayShift::None},
             Row{twice, 2021, {{2021, 5, 26}}, DayShift::None},
             Row{Lunar(12, 1), 2024, {{2024, 1, 11}, {2024, 12, 31}}, DayShift::None},
             Row{leapDay, 2024, {{2024, 2, 29}}, DayShift::None},
             Row{leapDay, 2025, {{2025, 2, 28}}, DayShift::Earlier},
             Row{leapDayMarch, 2100, {{2100, 3, 1}}, DayShift::Later},
         }) {
        const auto found = dovrin::OccurrencesInYear(row.day, row.year);
        EXPECT_EQ(DatesIn(row.day, row.year), row.dates) << row.day.month << "-" << row.day.day << " " << row.year;
        clsDate date;
        for (const auto& occurrence : found) {
            EXPECT_EQ(occurrence.shift, row.shift) << row.year;
            date.sInitDate(occurrence.date.year, occurrence.date.month, occurrence.date.day);
            if (row.day.lunar) {
                EXPECT_EQ(date.lDay(), occurrence.lunarDay) << row.year;
            }
        }
    }
    EXPECT_TRUE(dovrin::OccurrencesInYear(Lunar(4, 1, true), 2021)[0].leapMissing);
    EXPECT_TRUE(dovrin::OccurrencesInYear(twice, 2020)[1].secondTime);
    // Nothing past the covered span, nothing before the first year.
    EXPECT_TRUE(dovrin::OccurrencesInLunarYear(Lunar(1, 1), 2101).empty());
    MyDay born = Lunar(8, 15);
    born.firstYear = 1960;
    EXPECT_TRUE(dovrin::OccurrencesInYear(born, 1959).empty());
    // 除夕 is 腊月廿九 from 2025 to 2029; the next 腊月三十 is 2030-02-02.
    EXPECT_EQ(dovrin::NextOccurrence(eveSkip, {2025, 1, 1})->date, CivilDate({2030, 2, 2}));
    EXPECT_FALSE(dovrin::NextOccurrence(Lunar(1, 1), {2101, 1, 1}));
}

TEST(MyDayRules, WordsOfTheDays)
{
    MyDay mother = Lunar(8, 15);
    mother.title = "妈妈生日";
    mother.firstYear = 1960;
    const auto midAutumn2026 = dovrin::OccurrencesInYear(mother, 2026)[0];
    EXPECT_EQ(dovrin::MyDayTitleText(mother, midAutumn2026), "妈妈生日（农历八月十五，六十六岁）");
    EXPECT_EQ(dovrin::RemindersOf(mother), (std::vector<std::int32_t>{3, 1}));

    MyDay grandfather;
    grandfather.title = "祖父忌日";
    grandfather.lunar = false;
    grandfather.month = 3;
    grandfather.day = 2;
    grandfather.firstYear = 2016;
    EXPECT_EQ(dovrin::MyDayTitleText(grandfather, dovrin::OccurrencesInYear(grandfather, 2026)[0]),
              "祖父忌日（逝世十周年）");
    EXPECT_EQ(dovrin::YearsText(grandfather, dovrin::OccurrencesInYear(grandfather, 2016)[0]), "");
    EXPECT_TRUE(dovrin::RemindersOf(grandfather).empty());

    MyDay grandmother = Lunar(12, 30);
    grandmother.title = "奶奶生日";
    const std::vector<MyDay> days = {grandmother, mother};
    EXPECT_EQ(dovrin::MyDaysSectionText(days, dovrin::MyDaysBetween(days, {2025, 1, 28}, {2025, 1, 28})),
              "我的日子：奶奶生日（农历腊月三十），今年腊月小，提前到廿九");
    MyDay leap = Lunar(4, 30, true);
    leap.shortMonth = dovrin::ShortMonthRule::NextMonthFirst;
    EXPECT_EQ(dovrin::MyDayShiftText(leap, dovrin::OccurrencesInYear(leap, 2021)[0]),
              "今年没有闰四月，按四月；四月小，推后到五月初一");

    MyDay father = Lunar(9, 9);
    father.title = "爸爸生日";
    const auto coming = dovrin::MyDaysComing({mother, father}, {2026, 10, 6}, 30);
    ASSERT_EQ(coming.size(), 1u);  // 八月十五 2026 is 09-25, 九月初九 10-18
    EXPECT_EQ(dovrin::MyDayComingText(father, coming[0], {2026, 10, 6}), "还有 12 天：爸爸生日（农历九月初九）");
    // Reminders: a birthday three days and one day before; a day set to remind on the day.
    MyDay wedding = Lunar(8, 12);
    wedding.remind = std::vector<std::int32_t>{0};
    const std::vector<MyDay> remembered = {mother, father, wedding};
    const auto indexes = [&](CivilDate today) {
        std::vector<std::size_t> found;
        for (const auto& entry : dovrin::MyDaysToRemind(remembered, today)) found.push_back(entry.index);
        return found;
    };
    EXPECT_EQ(indexes({2026, 9, 22}), (std::vector<std::size_t>{2, 0}));  // 八月十二 and 十五 are 09-22 and 09-25
    EXPECT_EQ(indexes({2026, 9, 23}), std::vector<std::size_t>{});
    EXPECT_EQ(indexes({2026, 9, 24}), std::vector<std::size_t>{0});
    mother.firstYear = 0;
    EXPECT_EQ(dovrin::MyDayListText(mother, {2026, 12, 8}), "妈妈生日　2027年9月15日（农历八月十五）　还有 281 天");
}
