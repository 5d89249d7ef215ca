// The day information text: order of lines, lookups into the reference texts, and mends.
#include <gtest/gtest.h>

#include "calendar/date_serial.h"
#include "calendar/utf8.h"
#include "info_window/day_info_text.h"

namespace {

const std::string CrLf = "\r\n";
const std::string Sep(35, '=');

const dovrin::ReferenceTexts& Texts()
{
    static const dovrin::ReferenceTexts texts = dovrin::LoadReferenceTexts();
    return texts;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(CrLf, start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

std::string Breaks(std::string text, const std::string& marker)
{
    for (std::size_t at = 0; (at = text.find(marker, at)) != std::string::npos; at += 2) text.replace(at, marker.size(), CrLf);
    return text;
}

std::string Compose(int y, int m, int d, const dovrin::ReferenceTexts& texts = Texts())
{
    clsDate date;
    return dovrin::DayInfoText(date, texts, static_cast<std::int16_t>(y), static_cast<std::int16_t>(m),
                               static_cast<std::int16_t>(d));
}

}  // namespace

TEST(DayInfoText, WorkedExampleOf8February2008)
{
    const std::string text = Compose(2008, 2, 8);
    const auto lines = Lines(text);
    ASSERT_GT(lines.size(), 20u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(dovrin::DisplayWidth(lines[i]), 35u) << lines[i];
        EXPECT_EQ(lines[i].front(), ' ');
    }
    EXPECT_NE(lines[0].find("Dovrin万年历"), std::string::npos);
    EXPECT_EQ(lines[3], Sep);
    EXPECT_EQ(lines[4], "日程信息 (2008年2月8日)");
    EXPECT_EQ(lines[5], Sep);
    EXPECT_EQ(lines[6], "年份：中华人民共和国成立五十九周年");
    EXPECT_EQ(lines[7], "公历：2008年2月8日 星期五");
    EXPECT_EQ(lines[8], "农历：戊子(鼠)年一月初二");
    EXPECT_EQ(lines[9], Sep);
    EXPECT_EQ(lines[10], "公历节日：");
    EXPECT_EQ(lines[11], " ");
    EXPECT_EQ(lines[12], "农历节日：");
    EXPECT_EQ(lines[13], "");
    EXPECT_EQ(lines[14], Sep);
    EXPECT_EQ(lines[15], Texts().MonthDayBirthTexts[7]);
    EXPECT_EQ(lines[16], Sep);

    // The rest, record by record: flower and birthday 38, profile 10 (水瓶), couple 0, animal 0 (鼠).
    const std::string tail = "生日花语 - " + Breaks(Texts().FlowerTexts[38], "\\n") + CrLf + Sep + CrLf +
                             "星座：水瓶座(阳性、风象星座,守护行星：天王星(传统上为土星))" + CrLf +
                             Texts().DayBirthTexts[38] + CrLf + CrLf + Breaks(Texts().SignTexts[10], "$") + CrLf +
                             CrLf + CrLf + Breaks(Texts().SignCoupleTexts[0], "\\n") + CrLf + Sep + CrLf +
                             "属相：" + Breaks(Texts().AnimalTexts[0], "\\n") + CrLf;
    const std::size_t at = text.find("生日花语 - ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(text.substr(at, tail.size()), tail);  // the 黄历 section follows
    EXPECT_EQ(Texts().DayBirthTexts[38].find("水瓶座的生日(2月8日)"), 0u);
    EXPECT_EQ(Texts().SignCoupleTexts[0].find("水瓶座的男人和女人"), 0u);
    EXPECT_EQ(Texts().AnimalTexts[0].find("鼠"), 0u);
}

TEST(DayInfoText, BeforeTheLunarNewYearTheLunarLineNamesThePreviousLunarYear)
{
    const auto lines = Lines(Compose(2008, 1, 15));
    EXPECT_EQ(lines[6], "年份：中华人民共和国成立五十九周年");  // the era stays Gregorian
    EXPECT_EQ(lines[8], "农历：丁亥(猪)年十二月初八");
    EXPECT_EQ(lines[13], "腊八节");
    const std::string text = Compose(2008, 1, 15);
    EXPECT_NE(text.find("属相：豬" + CrLf), std::string::npos);  // the record of the pig
}

TEST(DayInfoText, LeapMonthsAndHolidays)
{
    EXPECT_EQ(Lines(Compose(2020, 5, 23))[8], "农历：庚子(鼠)年闰四月初一");
    EXPECT_EQ(Lines(Compose(2020, 6, 21))[8], "农历：庚子(鼠)年五月初一");
    const auto labour = Lines(Compose(2008, 5, 1));
    EXPECT_EQ(labour[11], "劳动节 ");
    const auto mothers = Lines(Compose(2008, 5, 11));
    EXPECT_EQ(mothers[11], " 国际母亲节");
    const auto eve = Lines(Compose(2008, 2, 6));
    EXPECT_EQ(eve[13], "除夕");
}

TEST(DayInfoText, MonthDayKeysFindTheEarlierMonthFirst)
{
    const std::string newYear = Compose(2009, 1, 1);
    EXPECT_NE(newYear.find("生日花语 - " + Breaks(Texts().FlowerTexts[0], "\\n")), std::string::npos);
    EXPECT_NE(newYear.find(Texts().DayBirthTexts[0]), std::string::npos);
    EXPECT_EQ(newYear.find("11月1日"), std::string::npos);
    const std::string february = Compose(2009, 2, 2);
    EXPECT_NE(february.find("生日花语 - 2月2日出生的人："), std::string::npos);
    EXPECT_EQ(february.find("12月2日"), std::string::npos);
    EXPECT_NE(Compose(2008, 2, 29).find("生日花语 - 2月29日出生的人："), std::string::npos);
    EXPECT_NE(Compose(2008, 12, 31).find("12月31日出生的人："), std::string::npos);
}

TEST(DayInfoText, MissedLookupsAppendNothing)
{
    dovrin::ReferenceTexts sparse;
    sparse.MonthDayBirthTexts = {"1日", "2日", "3日"};
    const std::string text = Compose(2008, 2, 3, sparse);
    EXPECT_NE(text.find("3日" + CrLf + Sep + CrLf + "生日花语 - " + Sep + CrLf + "星座：水瓶座("), std::string::npos);
    EXPECT_NE(text.find("(传统上为土星))" + CrLf + CrLf + Sep + CrLf + "属相："), std::string::npos);
    // The 黄历 section that follows starts on a line of its own.
    EXPECT_NE(text.find("属相：" + CrLf + Sep + CrLf + "黄历" + CrLf), std::string::npos);
    // A day past the month-day table does not read outside it.
    EXPECT_NE(Compose(2008, 2, 28, sparse).find(Sep + CrLf + CrLf + Sep), std::string::npos);
}

TEST(DayInfoText, ProfilesMatchOnTheFirstThreeCharactersOnly)
{
    dovrin::ReferenceTexts texts;
    texts.MonthDayBirthTexts.assign(31, "x");
    texts.SignTexts = {"前言提到水瓶座人$不算", "水瓶座人的资料：$甲$乙", "水瓶座第二份"};
    const std::string text = Compose(2008, 2, 8, texts);
    EXPECT_NE(text.find("水瓶座人的资料：" + CrLf + "甲" + CrLf + "乙" + CrLf + CrLf + CrLf), std::string::npos);
    EXPECT_EQ(text.find("第二份"), std::string::npos);
    EXPECT_EQ(text.find("前言"), std::string::npos);
}

TEST(DayInfoText, LeavesTheDateObjectOnTheDay)
{
    clsDate date;
    date.sInitDate(1950, 1, 1);
    dovrin::DayInfoText(date, Texts(), 2008, 2, 8);
    EXPECT_EQ(date.sYear(), 2008);
    EXPECT_EQ(date.sDay(), 8);
    EXPECT_EQ(dovrin::DayInfoCaption("2008年2月8日 星期五"), "Dovrin万年历 - [2008年2月8日 星期五]");
}

TEST(DayInfoText, EveryDayOfTheNavigableYearsFindsEveryRecord)
{
    clsDate date;
    for (int year = 1901; year <= 2049; ++year)
        for (int month = 1; month <= 12; ++month)
            for (int day = 1; day <= dovrin::DaysInMonth(year, month); ++day) {
                const std::string text = dovrin::DayInfoText(date, Texts(), static_cast<std::int16_t>(year),
                                                             static_cast<std::int16_t>(month),
                                                             static_cast<std::int16_t>(day));
                ASSERT_EQ(text.find("生日花语 - ==="), std::string::npos) << year << "-" << month << "-" << day;
                ASSERT_EQ(text.find("属相：" + CrLf), std::string::npos) << year << "-" << month << "-" << day;
                ASSERT_NE(text.find("座人的资料："), std::string::npos);
                ASSERT_NE(text.find("座的男人和女人"), std::string::npos);
            }
}

TEST(DayInfoText, ASolarTermsDayGivesItsInstantBeforeTheAlmanac)
{
    const std::string line = "节气：惊蛰 21:58:52（北京时间）" + CrLf;
    const std::string term = Compose(2026, 3, 5);
    EXPECT_NE(term.find(line + Sep + CrLf + "黄历" + CrLf), std::string::npos);
    EXPECT_EQ(Compose(2026, 3, 6).find("节气："), std::string::npos);
    // Without the animal's record the line still stands on its own.
    dovrin::ReferenceTexts sparse;
    EXPECT_NE(Compose(2026, 3, 5, sparse).find("属相：" + CrLf + line), std::string::npos);
}

// The 黄历 section closes the text: the worked day of the first 伏, a 节 day with its instant
// and the month it opens, a 九 and a 历书梅 day.
TEST(DayInfoText, AlmanacSectionClosesTheText)
{
    const std::string july = Compose(2026, 7, 20);
    const std::string section = Sep + CrLf + "黄历" + CrLf +
                                "干支：丙午年 乙未月 乙未日（年、月以立春、节气为界）" + CrLf +
                                "建除：建　玄武（黑道）　二十八宿：张月鹿" + CrLf + "三伏：初伏第6天" + CrLf +
                                "物候：小暑三候　鹰始挚" + CrLf;
    ASSERT_GE(july.size(), section.size());
    EXPECT_EQ(july.substr(july.size() - section.size()), section);

    // 立春 2026 falls on 4 February: the year and the month turn there, not at 春节.
    const std::string liChun = Compose(2026, 2, 4);
    EXPECT_NE(liChun.find("干支：丙午年 庚寅月"), std::string::npos);
    EXPECT_NE(liChun.find(CrLf + "立春 04:02 交节，本日起为庚寅月" + CrLf), std::string::npos);
    EXPECT_EQ(Compose(2026, 2, 3).find("交节"), std::string::npos);
    EXPECT_NE(Compose(2026, 2, 3).find("干支：乙巳年 己丑月"), std::string::npos);

    EXPECT_NE(Compose(2025, 12, 21).find(CrLf + "数九：一九第1天" + CrLf), std::string::npos);
    EXPECT_EQ(Compose(2025, 12, 20).find("数九"), std::string::npos);
}
