// Year names, numerals, lunar day names, star signs and eras.
#include <gtest/gtest.h>

#include "calendar/clsDate.h"

TEST(YearNames, StemBranchAndAnimal)
{
    const clsDate date;
    struct Row { int year; const char* ganzhi; const char* animal; };
    for (const Row& row : {Row{1864, "甲子", "鼠"}, Row{1900, "庚子", "鼠"}, Row{1911, "辛亥", "猪"},
                           Row{1923, "癸亥", "猪"}, Row{1924, "甲子", "鼠"}, Row{2007, "丁亥", "猪"},
                           Row{2008, "戊子", "鼠"}, Row{2049, "己巳", "蛇"}, Row{1863, "癸亥", "猪"}}) {
        EXPECT_EQ(date.GanZhi(row.year), row.ganzhi) << row.year;
        EXPECT_EQ(date.YearAttribute(row.year), row.animal) << row.year;
    }
}

TEST(YearNames, DoNotDependOnTheObjectsDay)
{
    clsDate date;
    date.sInitDate(2008, 1, 15);  // lunar 2007
    EXPECT_EQ(date.GanZhi(2008), "戊子");
    EXPECT_EQ(date.GanZhi(date.lYear()), "丁亥");
}

TEST(Numerals, LunarDayNames)
{
    const clsDate date;
    const char* names[] = {"", "初一", "初二", "初三", "初四", "初五", "初六", "初七", "初八", "初九", "初十",
                           "十一", "十二", "十三", "十四", "十五", "十六", "十七", "十八", "十九", "二十",
                           "廿一", "廿二", "廿三", "廿四", "廿五", "廿六", "廿七", "廿八", "廿九", "三十"};
    for (int day = 0; day <= 30; ++day) EXPECT_EQ(date.CDayStr(day), names[day]) << day;
    EXPECT_EQ(date.CDayStr(31), "卅一");
    EXPECT_EQ(date.CDayStr(-1), "");
    EXPECT_EQ(date.CDayStr(50), "");
}

TEST(Numerals, UpNumber)
{
    const clsDate date;
    struct Row { const char* digits; const char* reading; };
    for (const Row& row : {Row{"", ""}, Row{"   ", ""}, Row{"0", ""}, Row{"7", "七"}, Row{"10", "一十"},
                           Row{"11", "一十一"}, Row{"20", "二十"}, Row{"35", "三十五"}, Row{"99", "九十九"},
                           Row{"100", "一百"}, Row{"101", "一百零一"}, Row{"110", "一百一十"}, Row{"1000", "一千"},
                           Row{"1100", "一千一百"}, Row{"10203", "一万零二百零三"},
                           Row{"12345", "一万二千三百四十五"}, Row{"100000", "一十万"},
                           Row{"123456789", "一亿二千三百四十五万六千七百八十九"},
                           Row{"  52 ", "五十二"}, Row{"1234567890", "一二亿三千四百五十六万七千八百九十"}}) {
        EXPECT_EQ(date.UpNumber(row.digits), row.reading) << row.digits;
    }
}

TEST(StarSigns, BoundariesAndDescriptions)
{
    const clsDate date;
    struct Row { int month, day; const char* sign; };
    for (const Row& row : {Row{3, 21, "白羊"}, Row{3, 20, "双鱼"}, Row{12, 22, "摩羯"}, Row{12, 31, "摩羯"},
                           Row{1, 1, "摩羯"}, Row{1, 19, "摩羯"}, Row{1, 20, "水瓶"}, Row{2, 29, "双鱼"},
                           Row{10, 23, "天平"}, Row{10, 24, "天蝎"}, Row{11, 21, "天蝎"}, Row{11, 22, "射手"},
                           Row{4, 20, "金牛"}, Row{6, 21, "双子"}, Row{7, 23, "狮子"}, Row{8, 23, "处女"}}) {
        EXPECT_EQ(date.Constellation(row.month, row.day), row.sign) << row.month << "/" << row.day;
    }
    EXPECT_EQ(date.Constellation2(7, 1), "阴性、水象星座守护行星：月亮");
    EXPECT_EQ(date.Constellation2(2, 8), "阳性、风象星座,守护行星：天王星(传统上为土星)");
    EXPECT_EQ(date.Constellation2(1, 19), date.Constellation2(12, 22));
    EXPECT_EQ(date.Constellation(2, 30), "");
}

TEST(StarSigns, EveryDayOfALeapYearHasOneSign)
{
    const clsDate date;
    const int lengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int changes = 0;
    std::string previous = date.Constellation(12, 31);
    for (int month = 1; month <= 12; ++month)
        for (int day = 1; day <= lengths[month - 1]; ++day) {
            const std::string sign = date.Constellation(month, day);
            ASSERT_FALSE(sign.empty()) << month << "/" << day;
            ASSERT_FALSE(date.Constellation2(month, day).empty());
            changes += sign != previous;
            previous = sign;
        }
    EXPECT_EQ(changes, 12);
}

TEST(Eras, ReignsRepublicAndAnniversaries)
{
    const clsDate date;
    struct Row { int year; const char* era; };
    for (const Row& row : {Row{1873, "未知"}, Row{1875, "清朝光绪元年"}, Row{1876, "清朝光绪二年"},
                           Row{1901, "清朝光绪二十七年"}, Row{1908, "清朝光绪三十四年"}, Row{1909, "清朝宣统元年"},
                           Row{1910, "清朝宣统二年"}, Row{1911, "清朝宣统三年"}, Row{1912, "中华民国元年"},
                           Row{1913, "中华民国二年"}, Row{1921, "中华民国一十年"}, Row{1948, "中华民国三十七年"},
                           Row{1949, "中华人民共和国成立了"}, Row{1950, "中华人民共和国成立一周年"},
                           Row{1959, "中华人民共和国成立一十周年"}, Row{1999, "中华人民共和国成立五十周年"},
                           Row{2000, "千禧年"}, Row{2001, "中华人民共和国成立五十二周年"},
                           Row{2008, "中华人民共和国成立五十九周年"}, Row{2049, "中华人民共和国成立一百周年"}}) {
        EXPECT_EQ(date.Era(row.year), row.era) << row.year;
    }
    EXPECT_FALSE(date.Era(1874).empty());
}
