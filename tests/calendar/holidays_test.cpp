// Gregorian, lunar and week-based holidays.
#include <gtest/gtest.h>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace {

clsDate On(int y, int m, int d)
{
    clsDate date;
    date.sInitDate(y, m, d);
    return date;
}

}  // namespace

TEST(GregorianHolidays, TextsAndRestDays)
{
    EXPECT_EQ(On(2008, 1, 1).sHoliday(), "元旦");
    EXPECT_TRUE(On(2008, 1, 1).sHolidayRecess());
    EXPECT_EQ(On(2008, 5, 1).sHoliday(), "劳动节");
    EXPECT_TRUE(On(2008, 5, 1).sHolidayRecess());
    EXPECT_EQ(On(2008, 10, 1).sHoliday(), "国庆节 国际音乐日");
    EXPECT_FALSE(On(2008, 10, 1).sHolidayRecess());
    EXPECT_EQ(On(2008, 1, 2).sHoliday(), "");
    EXPECT_FALSE(On(2008, 1, 2).sHolidayRecess());
    EXPECT_EQ(On(2008, 9, 18).sHoliday(), "九·一八事变纪念日");
    EXPECT_EQ(On(2008, 9, 17).sHoliday(), "国际和平日");
}

TEST(GregorianHolidays, OnlyNewYearAndLabourDayAreRestDays)
{
    int restDays = 0;
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= dovrin::DaysInMonth(2008, month); ++day) restDays += On(2008, month, day).sHolidayRecess();
    EXPECT_EQ(restDays, 2);
}

TEST(LunarHolidays, NewYearsEveIsTheLastDayOfTheTwelfthMonth)
{
    clsDate eve = On(2008, 2, 6);  // twelfth month, day 30
    EXPECT_EQ(eve.lHoliday(), "除夕");
    EXPECT_EQ(eve.sDay(), 6);
    EXPECT_EQ(eve.lDay(), 30);

    clsDate dayBefore = On(2008, 2, 5);  // day 29 of a 30-day month
    EXPECT_EQ(dayBefore.lHoliday(), "");
    EXPECT_EQ(dayBefore.sDay(), 5);
    EXPECT_EQ(dayBefore.lDay(), 29);
    EXPECT_EQ(dayBefore.lYear(), 2007);

    EXPECT_EQ(On(2008, 2, 7).lHoliday(), "春节");
    EXPECT_EQ(On(2012, 1, 22).lHoliday(), "除夕");  // day 29 of a 29-day month
    EXPECT_EQ(On(2050, 1, 22).lHoliday(), "除夕");  // the published table's last day
    EXPECT_EQ(On(2101, 1, 28).lHoliday(), "除夕");  // the span's last day
    EXPECT_EQ(On(1901, 2, 18).lHoliday(), "除夕");
}

TEST(LunarHolidays, EveryLunarYearHasOneEveAndOneNewYear)
{
    int eves = 0;
    int newYears = 0;
    clsDate date;
    for (std::int64_t serial = 32; serial <= 54810; ++serial) {
        const dovrin::CivilDate d = dovrin::DateOfSerial(static_cast<double>(serial));
        date.sInitDate(d.year, d.month, d.day);
        const std::string text = date.lHoliday();
        eves += text == "除夕";
        newYears += text == "春节";
    }
    EXPECT_EQ(eves, 150);
    EXPECT_EQ(newYears, 150);
}

TEST(LunarHolidays, FestivalsFallInTheOrdinaryMonthOnly)
{
    EXPECT_EQ(On(2009, 5, 28).lHoliday(), "端午节");  // 五月初五
    clsDate leapFifth = On(2009, 6, 27);                // 闰五月初五
    EXPECT_TRUE(leapFifth.IsLeap());
    EXPECT_EQ(leapFifth.lDay(), 5);
    EXPECT_EQ(leapFifth.lHoliday(), "");
    EXPECT_EQ(On(2008, 9, 14).lHoliday(), "中秋节");
    EXPECT_EQ(On(2008, 1, 31).lHoliday(), "小年");
    EXPECT_EQ(On(2008, 1, 15).lHoliday(), "腊八节");
}

TEST(WeekHolidays, NthWeekdayOfTheMonth)
{
    struct Row { int y, m, d; const char* text; };
    for (const Row& row : {
             Row{2007, 5, 13, "国际母亲节"}, Row{2007, 11, 22, "感恩节"},
             Row{2008, 5, 11, "国际母亲节"}, Row{2008, 5, 18, "全国助残日"}, Row{2008, 6, 15, "父亲节"},
             Row{2008, 9, 16, "国际和平日"}, Row{2008, 9, 28, "国际聋人节"}, Row{2008, 10, 6, "国际住房日"},
             Row{2008, 10, 8, "国际减轻自然灾害日"}, Row{2008, 11, 27, "感恩节"},
             Row{2009, 5, 10, "国际母亲节"}, Row{2009, 11, 26, "感恩节"},
             Row{2010, 5, 9, "国际母亲节"}, Row{2010, 11, 25, "感恩节"},
             Row{2011, 5, 8, "国际母亲节"}, Row{2011, 6, 19, "父亲节"}, Row{2011, 11, 24, "感恩节"},
         }) {
        EXPECT_EQ(On(row.y, row.m, row.d).wHoliday(), row.text) << row.y << "-" << row.m << "-" << row.d;
    }
    EXPECT_EQ(On(2011, 5, 15).wHoliday(), "全国助残日");
    EXPECT_EQ(On(2008, 6, 22).wHoliday(), "");
    EXPECT_EQ(On(2008, 5, 12).wHoliday(), "");
}

TEST(WeekHolidays, EachRowNamesOneDayEveryYear)
{
    clsDate date;
    for (int year = 1901; year <= 2049; ++year) {
        int named = 0;
        for (int month : {5, 6, 9, 10, 11})
            for (int day = 1; day <= dovrin::DaysInMonth(year, month); ++day) {
                date.sInitDate(year, month, day);
                named += !date.wHoliday().empty();
            }
        EXPECT_EQ(named, 8) << year;
    }
}
