// The file of the user's own days: its dates, its lines, and rewrites that keep the rest.
#include <gtest/gtest.h>

#include "resources/my_days.h"

using dovrin::MyDay;

TEST(MyDaysFile, DatesAsTheCommandLineWritesThem)
{
    struct Row {
        const char* text;
        bool lunar, leap;
        std::int32_t month, day, firstYear;
    };
    for (const Row& row : {Row{"农历八月十五", true, false, 8, 15, 0}, Row{"农历闰四月初一", true, true, 4, 1, 0},
                           Row{"农历8月15", true, false, 8, 15, 0}, Row{"农历腊月三十", true, false, 12, 30, 0},
                           Row{"农历十二月廿九", true, false, 12, 29, 0}, Row{"农历冬月初十", true, false, 11, 10, 0},
                           Row{"农历十一月二十", true, false, 11, 20, 0}, Row{"农历正月初一", true, false, 1, 1, 0},
                           Row{"农历闰2月3日", true, true, 2, 3, 0}, Row{"10-01", false, false, 10, 1, 0},
                           Row{"2-29", false, false, 2, 29, 0}, Row{"2005-10-01", false, false, 10, 1, 2005}}) {
        MyDay day;
        ASSERT_EQ(dovrin::ParseMyDayDate(row.text, day), "") << row.text;
        EXPECT_EQ(day.lunar, row.lunar) << row.text;
        EXPECT_EQ(day.leap, row.leap) << row.text;
        EXPECT_EQ(day.month, row.month) << row.text;
        EXPECT_EQ(day.day, row.day) << row.text;
        EXPECT_EQ(day.firstYear, row.firstYear) << row.text;
    }
    for (const char* bad : {"", "农历", "农历八月", "农历十三月初一", "农历8月31", "农历0月1", "农历八月十五日后",
                            "02-30", "13-01", "2023-02-29", "10-1-1", "十月一日", "农历闰八月"}) {
        MyDay day;
        EXPECT_NE(dovrin::ParseMyDayDate(bad, day), "") << bad;
    }
}

// Every field written by MyDayLine reads back as the same day.
TEST(MyDaysFile, LinesReadBackAsTheirDays)
{
    std::vector<MyDay> days(4);
    days[0].title = "妈妈生日";
    days[0].month = 8;
    days[0].day = 15;
    days[0].firstYear = 1960;
    days[1].title = "奶奶忌日";
    days[1].month = 4;
    days[1].day = 30;
    days[1].leap = true;
    days[1].shortMonth = dovrin::ShortMonthRule::NextMonthFirst;
    days[1].missingLeap = dovrin::MissingLeapRule::Skip;
    days[1].remind = std::vector<std::int32_t>{7, 0};
    days[2].title = "老同学";
    days[2].lunar = false;
    days[2].month = 2;
    days[2].day = 29;
    days[2].commonYear = dovrin::CommonYearRule::Mar1;
    days[2].kind = dovrin::MyDayKind::Anniversary;
    days[2].remind.emplace();
    days[3].title = "外公生日";
    days[3].month = 4;
    days[3].day = 15;
    days[3].leapYear = dovrin::LeapYearRule::Twice;
    std::string text;
    for (const MyDay& day : days) text += dovrin::MyDayLine(day) + "\n";
    EXPECT_EQ(dovrin::MyDayLine(days[0]), "妈妈生日\t农历八月十五\t1960");
    const dovrin::MyDaysFile file = dovrin::ParseMyDays(text);
    EXPECT_TRUE(file.bad.empty()) << file.bad[0].reason;
    EXPECT_EQ(file.days, days);
}

TEST(MyDaysFile, RewritesKeepCommentsBadLinesAndUnknownFields)
{
    const std::string header = dovrin::MyDaysHeader();
    const std::string text = header +
                             "妈妈生日\t农历八月十五\t1960\n"
                             "\n"
                             "爸爸生日\t农历九月三十一\n"      // no such day: kept, reported
                             "结婚纪念日\t2005-10-01\t\t\t\t\t以后的栏\r\n"  // a later version's field
                             "妈妈生日\t10-01\n"             // the same title again
                             "# 自己写的注释\n"
                             "旧日子\t农历正月初一\t\t潮汐=满";  // an unknown rule, no line end
    const dovrin::MyDaysFile file = dovrin::ParseMyDays(text);
    ASSERT_EQ(file.days.size(), 2u);
    EXPECT_EQ(file.days[1].title, "结婚纪念日");
    EXPECT_EQ(file.days[1].firstYear, 2005);
    const std::int32_t first = file.lines[0];
    EXPECT_EQ(file.lines, (std::vector<std::int32_t>{first, first + 3}));
    ASSERT_EQ(file.bad.size(), 3u);
    EXPECT_EQ(file.bad[0].line, first + 2);
    EXPECT_EQ(file.bad[0].text, "爸爸生日\t农历九月三十一");
    EXPECT_EQ(file.bad[1].line, first + 4);
    EXPECT_EQ(file.bad[2].text, "旧日子\t农历正月初一\t\t潮汐=满");

    MyDay added;
    added.title = "祖父忌日";
    added.lunar = false;
    added.month = 3;
    added.day = 2;
    const dovrin::MyDaysEdit add = dovrin::AddMyDay(text, added);
    EXPECT_EQ(add.text, text + "\r\n祖父忌日\t03-02\r\n");
    EXPECT_NE(dovrin::AddMyDay(text, file.days[0]).error, "");  // the title is taken

    const dovrin::MyDaysEdit removed = dovrin::RemoveMyDay(add.text, "妈妈生日");
    std::string expected = add.text;
    expected.erase(expected.find("妈妈生日\t农历八月十五\t1960\n"), std::string("妈妈生日\t农历八月十五\t1960\n").size());
    EXPECT_EQ(removed.text, expected);
    EXPECT_NE(dovrin::RemoveMyDay(text, "没有的日子").error, "");

    MyDay changed = file.days[1];
    changed.remind = std::vector<std::int32_t>{1};
    const dovrin::MyDaysEdit change = dovrin::ChangeMyDay(text, "结婚纪念日", changed);
    expected = text;
    expected.replace(expected.find("结婚纪念日"), std::string("结婚纪念日\t2005-10-01\t\t\t\t\t以后的栏").size(),
                     "结婚纪念日\t10-01\t2005\t\t1\t\t以后的栏");
    EXPECT_EQ(change.text, expected);

    const dovrin::MyDaysEdit fresh = dovrin::AddMyDay("", added);
    EXPECT_EQ(fresh.text, header + "祖父忌日\t03-02\n");
    EXPECT_TRUE(dovrin::ParseMyDays(fresh.text).bad.empty());
}
