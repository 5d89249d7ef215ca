// A day's look in every view: its colour, its short line, its month's names and titles.
#include <gtest/gtest.h>

#include "calendar/clsDate.h"
#include "calendar/day_look.h"
#include "calendar/locale_names.h"
#include "calendar/month_grid.h"
#include "calendar/named_days.h"

namespace dovrin {
namespace {

TEST(DayLook, ToneIsWeekendThenTodayThenDayOff)
{
    // One row a case: the day, today, its official arrangement, and the tone it must get.
    struct Case {
        CivilDate day, today;
        DayOff off;
        DayTone tone;
    };
    constexpr CivilDate elsewhere{2000, 1, 1};
    const Case cases[] = {
        {{2022, 10, 12}, elsewhere, DayOff::None, DayTone::Plain},  // a Wednesday
        {{2022, 10, 9}, elsewhere, DayOff::None, DayTone::Sunday},
        {{2022, 10, 8}, elsewhere, DayOff::None, DayTone::Saturday},
        {{2022, 10, 8}, {2022, 10, 8}, DayOff::None, DayTone::Today},  // today wins over Saturday
        {{2024, 5, 1}, elsewhere, DayOff::None, DayTone::FlaggedHoliday},  // a Wednesday
        {{2022, 5, 1}, {2022, 5, 1}, DayOff::None, DayTone::FlaggedHoliday},  // a Sunday that is today
        {{2026, 10, 5}, elsewhere, DayOff::Rest, DayTone::OfficialDayOff},  // a Monday of 国庆节
        {{2026, 10, 5}, {2026, 10, 5}, DayOff::Rest, DayTone::OfficialDayOff},  // and today
        {{2026, 10, 10}, elsewhere, DayOff::Work, DayTone::Saturday},  // a 班 Saturday stays green
        {{2026, 10, 1}, elsewhere, DayOff::Rest, DayTone::OfficialDayOff},  // unflagged 国庆节
    };
    clsDate date;
    for (const Case& c : cases) {
        date.sInitDate(c.day.year, c.day.month, c.day.day);
        EXPECT_EQ(ToneOfDay(date, c.today, c.off), c.tone) << IsoDate(c.day);
    }
    EXPECT_EQ(ColourOfTone(DayTone::OfficialDayOff), grid_colours::Red);
    EXPECT_EQ(ColourOfTone(DayTone::Today), grid_colours::Blue);
    EXPECT_EQ(DayOffMark(DayOff::Work), "班");
    EXPECT_EQ(DayOffMark(DayOff::None), "");
}

TEST(DayLook, ShortLineNamesEveryLunarMonthStart)
{
    struct Case {
        CivilDate day;
        const char* text;
        const char* monthStart;
        const char* why;
    };
    const Case cases[] = {
        {{2026, 2, 15}, "廿八", "", "a plain day: its lunar day"},
        {{2026, 2, 17}, "春节", "正月", "春节 keeps the line, the month stands beside it"},
        {{2026, 3, 19}, "二月", "", "初一: the lunar month"},
        {{2026, 5, 17}, "四月", "", "初一 under a week-based holiday"},
        {{2026, 12, 9}, "冬月", "", "初一 under a Gregorian holiday"},
        {{2033, 1, 1}, "腊月", "", "初一 under 元旦"},
        {{2033, 9, 23}, "秋分", "九月", "a solar term on 初一"},
        {{2033, 12, 22}, "闰冬月", "", "初一 of a leap month"},
        {{2026, 4, 5}, "清明", "", "a solar term"},
        {{2026, 10, 1}, "国庆节", "", "the first of two holidays"},
        {{1900, 1, 1}, "", "", "no lunar date"},
    };
    clsDate date;
    for (const Case& c : cases) {
        date.sInitDate(c.day.year, c.day.month, c.day.day);
        const ShortLine line = ShortLineOfDay(date);
        EXPECT_EQ(line.text, c.text) << c.why;
        EXPECT_EQ(line.monthStart, c.monthStart) << c.why;
    }
}

TEST(DayLook, TheUsersDayRanksAfterFestivalsAndTermsBeforeMinorHolidays)
{
    struct Case {
        CivilDate day;
        const char* text;
        const char* monthStart;
        const char* why;
    };
    const Case cases[] = {
        {{2027, 9, 15}, "中秋节", "", "a lunar festival keeps the line"},
        {{2026, 4, 5}, "清明", "", "a solar term keeps the line"},
        {{2027, 9, 20}, "妈妈生日", "", "before 全国爱牙日, a Gregorian holiday"},
        {{2011, 5, 8}, "妈妈生日", "", "before 国际母亲节, a week-based holiday"},
        {{2026, 3, 19}, "妈妈生日", "二月", "on 初一 the month's name stands beside it"},
        {{2033, 9, 23}, "秋分", "九月", "a term on 初一 still goes first"},
        {{2026, 2, 17}, "春节", "正月", "and 春节"},
        {{1900, 1, 1}, "妈妈生日", "", "no lunar date: the user's day alone"},
    };
    clsDate date;
    for (const Case& c : cases) {
        date.sInitDate(c.day.year, c.day.month, c.day.day);
        const ShortLine line = ShortLineOfDay(date, "妈妈生日");
        EXPECT_EQ(line.text, c.text) << c.why;
        EXPECT_EQ(line.monthStart, c.monthStart) << c.why;
    }
}

TEST(DayLook, TheUsersDaysOfAMonthTitleTheirDatesAndJoinItsList)
{
    MyDay mother;
    mother.title = "妈妈生日";
    mother.month = 8;
    mother.day = 15;
    mother.firstYear = 1961;
    MyDay wedding;
    wedding.title = "结婚纪念日";
    wedding.lunar = false;
    wedding.month = 9;
    wedding.day = 15;
    const std::vector<MyDay> days{mother, wedding};
    const std::vector<MyDayOnDate> found = MyDaysBetween(days, {2027, 9, 1}, {2027, 9, 30});
    // Two on one day: the first of the file titles the cell.
    EXPECT_EQ(MyDayTitleOn(days, found, {2027, 9, 15}), "妈妈生日");
    EXPECT_EQ(MyDayTitleOn(days, found, {2027, 9, 16}), "");

    // On the day: after the lunar festival, before the Gregorian holidays of the same day.
    std::vector<std::string> texts;
    for (const NamedDay& entry : ListOfMonth(NamedDaysOfMonth(2027, 9), {}, MyDayEntries(days, found)))
        if (entry.first == CivilDate{2027, 9, 15}) texts.push_back(ListEntryText(entry, 9));
    EXPECT_EQ(texts, (std::vector<std::string>{"15日 中秋节", "15日 妈妈生日（农历八月十五，六十六岁）",
                                                "15日 结婚纪念日"}));

    // A day off on the same day goes first; a date a rule moved says so.
    MyDay grandfather;
    grandfather.title = "祖父忌日";
    grandfather.month = 12;
    grandfather.day = 30;
    const std::vector<MyDay> memorial{grandfather};
    const std::vector<MyDayOnDate> january = MyDaysBetween(memorial, {2031, 1, 1}, {2031, 1, 31});
    const std::vector<NamedDay> list =
        ListOfMonth({}, {{{2031, 1, 22}, {2031, 1, 22}, DayOff::Rest, "春节"}}, MyDayEntries(memorial, january));
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].kind, NamedDayKind::DaysOff);
    EXPECT_EQ(ListEntryText(list[1], 1), "22日 祖父忌日（农历腊月三十），今年腊月小，提前到廿九");
}

TEST(DayLook, MonthNamesAndTitles)
{
    EXPECT_EQ(LunarMonthCustomName(1, false), "正月");
    EXPECT_EQ(LunarMonthCustomName(11, true), "闰冬月");
    EXPECT_EQ(LunarMonthShortName(4, true), "闰四");
    EXPECT_EQ(LunarMonthShortName(12, false), "腊月");
    EXPECT_EQ(LunarMonthCustomName(13, false), "");
    EXPECT_EQ(MonthTitle(2008, 2), "2008年2月 农历丁亥(猪)/戊子(鼠)年");
    EXPECT_EQ(MonthTitle(2026, 10), "2026年10月 农历丙午(马)年");
}

TEST(DayLook, CellsForEitherFirstWeekday)
{
    // 2026-02-01 is a Sunday, 2026-08-01 a Saturday.
    EXPECT_EQ(CellOfDay({2026, 2, 1}), (GridCell{0, 0}));
    EXPECT_EQ(CellOfDay({2026, 2, 1}, 2), (GridCell{0, 6}));
    EXPECT_EQ(CellOfDay({2026, 8, 31}), (GridCell{5, 1}));
    EXPECT_EQ(CellOfDay({2026, 8, 31}, 2), (GridCell{5, 0}));
    for (std::int32_t first : {1, 2})
        for (std::int32_t day : {1, 15, 31}) EXPECT_EQ(DayInCell(2026, 8, CellOfDay({2026, 8, day}, first), first), day);
    EXPECT_EQ(DayInCell(2026, 8, {0, 0}, 2), 0);
}

}  // namespace
}  // namespace dovrin
