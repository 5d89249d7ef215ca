// The almanac's day: worked examples, the edges of each rule, and every day of the span.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calendar/almanac.h"
#include "calendar/clsDate.h"
#include "calendar/span.h"

namespace {

using dovrin::AlmanacDay;
using dovrin::AlmanacOfDay;
using dovrin::CivilDate;
using dovrin::FuPeriod;
using dovrin::SeasonalDay;
using dovrin::SeasonalDays;

std::string TermOn(CivilDate day)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    return date.lSolarTerm();
}

std::string Pillars(const AlmanacDay& a)
{
    return std::string(a.year.Name()) + " " + std::string(a.month.Name()) + " " + std::string(a.day.Name());
}

TEST(Almanac, PillarsByLiChunAndTheJie)
{
    struct Case {
        CivilDate date;
        const char* pillars;
    } cases[] = {
        {{2000, 1, 1}, "己卯 丙子 戊午"},    // the day cycle's anchor, before 立春 2000
        {{1949, 10, 1}, "己丑 癸酉 甲子"},   // a 甲子 day
        {{1900, 1, 31}, "己亥 丁丑 甲辰"},   // the span's first day: 小寒 month of the 1899 立春 year
        {{2101, 1, 28}, "庚申 己丑 乙亥"},   // the span's last day
        {{2026, 2, 3}, "乙巳 己丑 戊申"},    // the day before 立春
        {{2026, 2, 4}, "丙午 庚寅 己酉"},    // 立春 04:02: the whole day in the new year and month
        {{2026, 2, 10}, "丙午 庚寅 乙卯"},   // before 春节 (02-17): 五虎遁 from 丙, not the lunar 乙巳
        {{2026, 7, 20}, "丙午 乙未 乙未"},
    };
    for (const Case& c : cases) EXPECT_EQ(Pillars(*AlmanacOfDay(c.date)), c.pillars) << dovrin::IsoDate(c.date);
}

TEST(Almanac, TheDayOfTheWorkedExample)
{
    const AlmanacDay a = *AlmanacOfDay({2026, 7, 20});
    EXPECT_EQ(a.ZhiXingName(), "建");
    EXPECT_EQ(a.GodName(), "玄武");
    EXPECT_FALSE(a.IsHuangDao());
    EXPECT_EQ(a.MansionName(), "张");
    EXPECT_EQ(a.MansionLongName(), "张月鹿");
    EXPECT_EQ(a.FuText(), "初伏第6天");
    EXPECT_EQ(a.NineText(), "");
    EXPECT_EQ(a.PentadLabel(), "小暑三候");
    EXPECT_EQ(a.PentadName(), "鹰始挚");
    EXPECT_EQ(a.JieText(), "");
}

TEST(Almanac, JieDayRepeatsTheZhiXingAndGivesTheInstant)
{
    const AlmanacDay before = *AlmanacOfDay({2026, 1, 4});
    const AlmanacDay jie = *AlmanacOfDay({2026, 1, 5});
    EXPECT_EQ(before.ZhiXingName(), "满");
    EXPECT_EQ(jie.ZhiXingName(), "满");
    EXPECT_EQ(jie.JieText(), "小寒 16:23 交节");
    EXPECT_EQ(AlmanacOfDay({2026, 2, 4})->JieText(), "立春 04:02 交节");
    EXPECT_EQ(AlmanacOfDay({2026, 2, 18})->JieText(), "");  // 雨水 is a 中气
}

TEST(Almanac, OutsideTheSpanThereIsNoAlmanac)
{
    EXPECT_FALSE(AlmanacOfDay(dovrin::FirstCoveredDay.AddDays(-1)));
    EXPECT_FALSE(AlmanacOfDay(dovrin::LastCoveredDay.AddDays(1)));
    EXPECT_FALSE(AlmanacOfDay({2026, 2, 29}));
}

bool Lists(const std::vector<SeasonalDay>& days, CivilDate date, std::string_view name)
{
    return std::find(days.begin(), days.end(), SeasonalDay{date, name}) != days.end();
}

TEST(Almanac, SeasonalDaysOfPublishedYears)
{
    const auto y2022 = SeasonalDays({2022, 1, 1}, {2022, 12, 31});
    EXPECT_TRUE(Lists(y2022, {2022, 7, 16}, "初伏"));
    EXPECT_TRUE(Lists(y2022, {2022, 7, 26}, "中伏"));  // 20 days of 中伏
    EXPECT_TRUE(Lists(y2022, {2022, 8, 15}, "末伏"));
    EXPECT_TRUE(Lists(y2022, {2022, 8, 25}, "出伏"));
    EXPECT_TRUE(Lists(y2022, {2022, 1, 8}, "三九"));   // from 冬至 2021-12-21
    EXPECT_TRUE(Lists(y2022, {2022, 12, 22}, "一九"));
    const auto y2025 = SeasonalDays({2025, 7, 1}, {2025, 8, 31});  // 中伏 of 10 days
    EXPECT_TRUE(Lists(y2025, {2025, 7, 30}, "中伏"));
    EXPECT_TRUE(Lists(y2025, {2025, 8, 9}, "末伏"));

    const std::vector<SeasonalDay> july2026 = {
        {{2026, 7, 8}, "出梅"}, {{2026, 7, 15}, "初伏"}, {{2026, 7, 25}, "中伏"}};
    EXPECT_EQ(SeasonalDays({2026, 7, 1}, {2026, 7, 31}), july2026);
    // The span begins inside the nines of the 1899 冬至 (12-22).
    EXPECT_TRUE(Lists(SeasonalDays(dovrin::FirstCoveredDay, {1900, 3, 31}), {1900, 2, 5}, "六九"));
}

TEST(Almanac, ATermDayCountsForTheDayItStartsFrom)
{
    struct Case {
        CivilDate term;
        const char* termName;
        CivilDate seasonal;
        const char* name;
    } cases[] = {
        {{2021, 6, 21}, "夏至", {2021, 7, 11}, "初伏"},  // 夏至 a 庚 day: the first of three
        {{2014, 8, 7}, "立秋", {2014, 8, 7}, "末伏"},    // 立秋 a 庚 day
        {{2008, 6, 5}, "芒种", {2008, 6, 5}, "入梅"},    // 芒种 a 丙 day
        {{2017, 7, 7}, "小暑", {2017, 7, 7}, "出梅"},    // 小暑 a 未 day
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TermOn(c.term), c.termName);
        EXPECT_TRUE(Lists(SeasonalDays(c.seasonal, c.seasonal), c.seasonal, c.name)) << c.name;
    }
}

// The count of a 伏 or a 九 runs on by one a day, or starts again at 1 in the next period.
void ExpectRunsOn(int period, int day, int previousPeriod, int previousDay)
{
    if (period == 0) return;
    const bool next = period == previousPeriod && day == previousDay + 1;
    const bool starts = period == previousPeriod + 1 && day == 1;
    EXPECT_TRUE(next || starts || (previousPeriod == 0 && period == 1 && day == 1));
}

TEST(Almanac, EveryDayOfTheSpanRunsOnWithoutGaps)
{
    AlmanacDay p = *AlmanacOfDay(dovrin::FirstCoveredDay);
    std::map<int, int> fuDays, meiyuDays;
    for (CivilDate d = dovrin::FirstCoveredDay.AddDays(1); d <= dovrin::LastCoveredDay; d = d.AddDays(1)) {
        SCOPED_TRACE(dovrin::IsoDate(d));
        const auto found = AlmanacOfDay(d);
        ASSERT_TRUE(found);
        const AlmanacDay& a = *found;
        const std::string term = TermOn(d);
        const bool jie = a.jieInstant >= 0;
        EXPECT_EQ(a.day.index, (p.day.index + 1) % 60);
        EXPECT_EQ(a.mansion, (p.mansion + 1) % 28);
        EXPECT_TRUE(d.Weekday() != 1 || a.mansion % 7 == 3);  // 房 虚 昴 星 on Sundays
        EXPECT_EQ(a.zhiXing, (p.zhiXing + !jie) % 12);
        EXPECT_EQ(a.month.index, (p.month.index + jie) % 60);
        EXPECT_EQ(a.year.index, (p.year.index + (jie && a.month.Branch() == 2)) % 60);  // at 立春
        EXPECT_EQ(jie, !term.empty() && a.term % 2 == 0);
        EXPECT_EQ(a.JieText().substr(0, jie ? term.size() : 0), jie ? term : "");
        const int step = (a.term * 3 + a.pentad - p.term * 3 - p.pentad + 72) % 72;
        EXPECT_EQ(step, term.empty() ? std::min(step, 1) : 1);
        EXPECT_TRUE(term.empty() || a.PentadLabel() == term + "初候");

        ExpectRunsOn(static_cast<int>(a.fu), a.fuDay, static_cast<int>(p.fu), p.fuDay);
        EXPECT_TRUE(a.fu == FuPeriod::None || a.fuDay != 1 || a.day.Stem() == 6);  // 庚
        EXPECT_TRUE(a.fu != FuPeriod::None || p.fu == FuPeriod::None || (p.fu == FuPeriod::Last && p.fuDay == 10));
        ExpectRunsOn(a.nine, a.nineDay, p.nine, p.nineDay);
        EXPECT_TRUE(a.nine != 1 || a.nineDay != 1 || term == "冬至");
        EXPECT_TRUE(a.nine != 0 || p.nine == 0 || (p.nine == 9 && p.nineDay == 9));
        fuDays[d.year] += a.fu != FuPeriod::None;
        meiyuDays[d.year] += (a.entersMeiyu ? 1 : 0) + (a.leavesMeiyu ? 10 : 0);
        p = a;
    }
    for (int year = 1900; year <= 2100; ++year) {
        EXPECT_TRUE(fuDays[year] == 30 || fuDays[year] == 40) << year;
        EXPECT_EQ(meiyuDays[year], 11) << year;
    }
}

}  // namespace
