// The yearly notices on public holidays, read into lines of the days-off file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "calendar/utf8.h"
#include "resources/notice.h"
#include "resources/rest_day_lines.h"

namespace {

std::string Read(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Notice(int year)
{
    return Read(std::string(DOVRIN_NOTICE_DIR) + "/" + std::to_string(year) + ".txt");
}

std::string Line(const dovrin::RestDayLine& line)
{
    return dovrin::IsoDate(line.date) + "\t" + dovrin::DayOffMark(line.kind) + "\t" + line.holiday;
}

std::vector<std::string> Lines(const dovrin::Notice& notice)
{
    std::vector<std::string> lines;
    for (const auto& line : notice.lines) lines.push_back(Line(line));
    return lines;
}

// The built-in lines of one notice: a December date belongs to the next year's 元旦.
std::vector<std::string> BuiltIn(int year)
{
    const std::string text = Read(std::string(DOVRIN_SOURCE_DIR) + "/resources/data/rest_days.tsv");
    std::vector<std::string> lines;
    for (const auto& line : dovrin::ParseRestDayLines(text, "rest_days.tsv", true).lines)
        if (line.date.year + (line.date.month == 12) == year) lines.push_back(Line(line));
    return lines;
}

struct NoticeCase {
    int year;
    std::vector<std::string> notInNotice;  // built-in lines that other notices gave
    std::vector<std::string> onlyInNotice;  // lines that a later notice changed
};

class Notices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(Notices, GiveTheBuiltInLinesOfTheirYear)
{
    const NoticeCase& c = GetParam();
    const dovrin::Notice notice = dovrin::ParseNotice(Notice(c.year), 0);
    EXPECT_EQ(notice.errors, std::vector<std::string>{});
    EXPECT_EQ(notice.year, c.year);
    std::vector<std::string> expected;
    for (const std::string& line : BuiltIn(c.year))
        if (std::find(c.notInNotice.begin(), c.notInNotice.end(), line) == c.notInNotice.end()) expected.push_back(line);
    expected.insert(expected.end(), c.onlyInNotice.begin(), c.onlyInNotice.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Lines(notice), expected);
}

INSTANTIATE_TEST_SUITE_P(
    EveryYear, Notices,
    ::testing::Values(
        // 2008 and 2009: the items only; the 上班 days of 2008's 国庆节 come from its 调至.
        NoticeCase{2008, {}, {}}, NoticeCase{2009, {}, {}}, NoticeCase{2010, {}, {}}, NoticeCase{2011, {}, {}},
        NoticeCase{2012, {}, {}}, NoticeCase{2013, {}, {}}, NoticeCase{2014, {}, {}},
        // The 70th anniversary's days came with a notice of their own.
        NoticeCase{2015,
                   {"2015-09-03\t休\t抗战胜利70周年纪念日", "2015-09-04\t休\t抗战胜利70周年纪念日",
                    "2015-09-05\t休\t抗战胜利70周年纪念日", "2015-09-06\t班\t抗战胜利70周年纪念日"},
                   {}},
        NoticeCase{2016, {}, {}}, NoticeCase{2017, {}, {}}, NoticeCase{2018, {}, {}},
        // A notice of March 2019 made 劳动节 four days.
        NoticeCase{2019,
                   {"2019-04-28\t班\t劳动节", "2019-05-01\t休\t劳动节", "2019-05-02\t休\t劳动节",
                    "2019-05-03\t休\t劳动节", "2019-05-04\t休\t劳动节", "2019-05-05\t班\t劳动节"},
                   {"2019-05-01\t休\t劳动节"}},
        // A notice of January 2020 made 春节 three days longer.
        NoticeCase{2020, {"2020-01-31\t休\t春节", "2020-02-01\t休\t春节", "2020-02-02\t休\t春节"},
                   {"2020-02-01\t班\t春节"}},
        NoticeCase{2021, {}, {}}, NoticeCase{2022, {}, {}}, NoticeCase{2023, {}, {}},
        NoticeCase{2024, {}, {}}, NoticeCase{2025, {}, {}}, NoticeCase{2026, {}, {}}),
    [](const auto& row) { return std::to_string(row.param.year); });

TEST(Notice, AsCopiedFromANewsPageGivesTheSameLines)
{
    const dovrin::Notice web = dovrin::ParseNotice(Read(std::string(DOVRIN_NOTICE_DIR) + "/2026-web.txt"), 0);
    EXPECT_EQ(web.errors, std::vector<std::string>{});
    EXPECT_EQ(Lines(web), BuiltIn(2026));
}

TEST(Notice, TextTooLongForAnItemIsRefused)
{
    // std::regex recurses along its input; this once overflowed the stack.
    const std::string title = "国务院办公厅关于2026年部分节假日安排的通知\n";
    for (const std::string& text : {title + "一、元旦：" + std::string(900000, 'x'),
                                    title + "一、元旦：1月1日放假，\n" + std::string(900000, 'x')})
        EXPECT_FALSE(dovrin::ParseNotice(text, 0).errors.empty());
}

struct Damage {
    const char* what;
    const char* from;  // in the 2026 notice
    std::string to;
    const char* error;
};
void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.what;
}

class DamagedNotice : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedNotice, IsRefusedNamingTheItem)
{
    const Damage& d = GetParam();
    const std::string text = Notice(2026);
    ASSERT_NE(text.find(d.from), std::string::npos);
    const dovrin::Notice notice = dovrin::ParseNotice(dovrin::ReplaceAll(text, d.from, d.to), 0);
    EXPECT_EQ(std::count(notice.errors.begin(), notice.errors.end(), d.error), 1) << ::testing::PrintToString(notice.errors);
    EXPECT_TRUE(notice.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    OneItem, DamagedNotice,
    ::testing::Values(
        Damage{"DateRemoved", "、10月10日（周六）上班", "、上班",
               "item 七、国庆节: '9月20日(周日)、上班' is not understood"},
        Damage{"WrongCount", "共5天", "共6天", "item 四、劳动节: 共6天, but the period 2026-05-01..2026-05-05 has 5 days"},
        Damage{"WorkOnAWednesday", "5月9日（周六）上班", "5月6日（周三）上班",
               "item 四、劳动节: 上班 on 2026-05-06, which is no Saturday or Sunday"},
        Damage{"WorkDayFarAway", "2月28日（周六）", "3月14日（周六）",
               "item 二、春节: 上班 on 2026-03-14, 19 days from the period 2026-02-15..2026-02-23"},
        Damage{"WrongWeekday", "5月9日（周六）", "5月9日（周日）", "item 四、劳动节: '5月9日(周日)': 2026-05-09 is 星期六"},
        Damage{"WrongLunarDate", "农历腊月二十八", "农历腊月二十七",
               "item 二、春节: '2月15日(农历腊月二十七、周日)': 2026-02-15 is 农历十二月廿八"},
        Damage{"WrongLunarMonth", "农历正月初七", "农历二月初七",
               "item 二、春节: '23日(农历二月初七、周一)': 2026-02-23 is 农历一月初七"},
        Damage{"CountTooLarge", "共7天。9月20日", "共99999999999天。9月20日",
               "item 七、国庆节: '共99999999999天' is not understood"},
        Damage{"NoSuchDay", "2月28日（周六）", "2月29日（周日）", "item 二、春节: '2月29日(周日)' is not a day of the calendar"},
        Damage{"PeriodsOverlap", "9月25日（周五）至27日（周日）放假，共3天", "9月25日（周五）至10月1日（周四）放假，共7天",
               "item 七、国庆节: 2026-10-01 is given by item 六、中秋节 as well"},
        Damage{"NotTheHolidaysDay", "6月19日（周五）至21日（周日）", "5月29日（周五）至31日（周日）",
               "item 五、端午节: the period 2026-05-29..2026-05-31 does not hold the day of 端午节"},
        Damage{"UnknownHoliday", "六、中秋节", "六、中秋", "item 六、中秋: the holiday is none of 元旦, 春节, 清明节, "
                                                           "劳动节, 端午节, 中秋节, 国庆节"},
        Damage{"ItemMissing", "七、国庆节：10月1日（周四）至7日（周三）放假调休，共7天。9月20日（周日）、10月10日（周六）上班。", "",
               "no item gives 国庆节, which every yearly notice has"},
        // Every part of a date's brackets is the date's weekday, lunar date or holiday, or an error.
        Damage{"NoSuchWeekday", "1月1日（周四）", "1月1日（周八）",
               "item 一、元旦: '1月1日(周八)': '周八' in the brackets is not understood"},
        Damage{"NoSuchLongWeekday", "1月1日（周四）", "1月1日（星期八）",
               "item 一、元旦: '1月1日(星期八)': '星期八' in the brackets is not understood"},
        Damage{"WordsInBrackets", "1月1日（周四）", "1月1日（hello）",
               "item 一、元旦: '1月1日(hello)': 'hello' in the brackets is not understood"},
        Damage{"EmptyBrackets", "1月1日（周四）", "1月1日（）", "item 一、元旦: '1月1日()': the brackets are empty"},
        Damage{"SecondWeekdayWrong", "1月1日（周四）", "1月1日（周四、周六）",
               "item 一、元旦: '1月1日(周四、周六)': 2026-01-01 is 星期四"},
        Damage{"LunarDateWithoutTheWord", "农历腊月二十八", "腊月二十七",
               "item 二、春节: '2月15日(腊月二十七、周日)': 2026-02-15 is 农历十二月廿八"},
        Damage{"WrongDayOfTheNewYear", "23日（农历正月初七、周一）", "23日（大年初二、周一）",
               "item 二、春节: '23日(大年初二、周一)': 2026-02-23 is 农历一月初七"},
        Damage{"WrongHoliday", "10月1日（周四）", "10月1日（周四、中秋节）",
               "item 七、国庆节: '10月1日(周四、中秋节)': 2026-10-01 is not the day of 中秋节"},
        // Messages quote the notice with its control characters shown, not obeyed.
        Damage{"ControlCharacter", "五、端午节：", "五、端午\x1B[31m节：",
               "item 五、端午\\x1B[31m节: the holiday is none of 元旦, 春节, 清明节, 劳动节, 端午节, 中秋节, 国庆节"},
        Damage{"OverlongItem", "三、清明节：4月4日（周六）至6日（周一）放假，共3天。",
               "三、清明节：4月4日（周六）至6日（周一）放假，共3天。" + std::string(5000, 'x'),
               "item 三、清明节: the item is longer than any of a notice"},
        Damage{"OverlapWithItsCountUnchanged", "9月25日（周五）至27日（周日）放假，共3天", "9月25日（周五）至10月1日（周四）放假，共3天",
               "item 七、国庆节: 2026-10-01 is given by item 六、中秋节 as well"}),
    [](const auto& row) { return std::string(row.param.what); });

// A month and day without a year fall in the notice's year, also where the next has the day.
TEST(Notice, TheLeapDayOfAnotherYearIsNoDayOfTheNotice)
{
    const std::string text = dovrin::ReplaceAll(Notice(2023), "4月23日（星期日）", "2月29日（星期四）");
    EXPECT_EQ(dovrin::ParseNotice(text, 0).errors,
              std::vector<std::string>{"item 四、劳动节: '2月29日(星期四)' is not a day of the calendar"});
}

}  // namespace
