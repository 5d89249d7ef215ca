// The month grid as drawn on the recording surface: geometry, colours, weight and texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "calendar/date_serial.h"
#include "main_window/frmMain.h"
#include "main_window/round_half_even.h"
#include "tests/support/recording_main_view.h"
#include "tests/support/recording_picture_box.h"

namespace {

using dovrin::CivilDate;
using dovrin::RecordingPictureBox;

// A 700 x 400 surface with 12-pixel text: cells of 100 x 64, the first row at y = 18.
class MonthGrid : public ::testing::Test {
protected:
    const std::vector<std::string>& Draw(std::int16_t year, std::int16_t month, std::int16_t day)
    {
        form.CurYear = year;
        form.CurMonth = month;
        form.CurDay = day;
        form.ReDrawCalendar();
        return surface.Calls;
    }

    bool Has(const std::string& call) const
    {
        return std::find(surface.Calls.begin(), surface.Calls.end(), call) != surface.Calls.end();
    }

    // The first text line of day d: "Print x,y #colour[ bold] "d ...".
    std::string DayLine(int d) const
    {
        for (const std::string& call : surface.Starting("Print "))
            if (call.find(" \"" + std::to_string(d) + " ") != std::string::npos) return call;
        return {};
    }

    // y of the first corner of a "Box x,y ..." call.
    static float TopOf(const std::string& box)
    {
        const auto comma = box.find(',');
        return std::stof(box.substr(comma + 1, box.find(' ', comma) - comma - 1));
    }

    dovrin::FixedClock clock{{2000, 6, 15}};
    dovrin::RecordingMainView view;
    RecordingPictureBox surface{700, 400};
    frmMain form{surface, view, clock};
};

TEST_F(MonthGrid, HeadingBandSeparatorAndCellSize)
{
    const auto& calls = Draw(2023, 1, 10);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "Cls #FFFFFF");
    EXPECT_EQ(calls[1], "Box 0,0 700,16 #ECE9D8");
    EXPECT_EQ(calls[2], "Line 0,17 700,17 #B6BDD2");
    EXPECT_FLOAT_EQ(form.CellWidth, 100);
    EXPECT_FLOAT_EQ(form.CellHeight, 64);
}

TEST_F(MonthGrid, GridLinesCoverTheHeadingAndSkipTheTopAndLeftEdges)
{
    Draw(2023, 1, 10);
    std::vector<std::string> expected;
    for (int i = 1; i <= 7; ++i)
        expected.push_back("Line " + std::to_string(i * 100) + ",0 " + std::to_string(i * 100) +
                           ",400 #B6BDD2");
    for (int i = 1; i <= 6; ++i)
        expected.push_back("Line 0," + std::to_string(i * 64 + 16) + " 700," +
                           std::to_string(i * 64 + 16) + " #B6BDD2");
    auto lines = surface.Starting("Line ");
    lines.erase(lines.begin());  // the heading separator
    EXPECT_EQ(lines, expected);
}

TEST_F(MonthGrid, WeekdayHeadingsStartOnSundayInRegularBlack)
{
    Draw(2023, 1, 10);
    const auto prints = surface.Starting("Print ");
    ASSERT_GE(prints.size(), 7u);
    const std::vector<std::string> headings(prints.end() - 7, prints.end());
    EXPECT_EQ(headings.front(), "Print 3,3 #000000 \"星期日\"");
    EXPECT_EQ(headings[1], "Print 103,3 #000000 \"星期一\"");
    EXPECT_EQ(headings.back(), "Print 603,3 #000000 \"星期六\"");
}

TEST_F(MonthGrid, MonthStartingOnSundayPutsDayOneTopLeft)
{
    Draw(2023, 1, 10);  // 2023-01-01 is a Sunday
    EXPECT_TRUE(Has("Box 1,18 101,82 #FFFFFF"));
    EXPECT_EQ(DayLine(1).rfind("Print 5,22 ", 0), 0u);
    EXPECT_EQ(DayLine(7).rfind("Print 605,22 ", 0), 0u);
    EXPECT_EQ(DayLine(8).rfind("Print 5,86 ", 0), 0u);
    EXPECT_EQ(DayLine(31).rfind("Print 205,278 ", 0), 0u);  // row 4, column 2
}

TEST_F(MonthGrid, ThirtyOneDayMonthStartingOnSaturdayReachesTheSixthRow)
{
    Draw(2022, 10, 3);  // 2022-10-01 is a Saturday
    EXPECT_EQ(DayLine(1).rfind("Print 605,22 ", 0), 0u);
    // p = 36: the 30th is the Sunday of row 5 and the 31st the Monday beside it.
    EXPECT_EQ(DayLine(30).rfind("Print 5,342 ", 0), 0u);
    EXPECT_EQ(DayLine(31).rfind("Print 105,342 ", 0), 0u);
    EXPECT_TRUE(Has("Box 101,338 201,402 #FFFFFF"));
}

TEST_F(MonthGrid, TwentyEightDayFebruaryLeavesTheLastTwoRowsEmpty)
{
    Draw(2015, 2, 1);  // 2015-02-01 is a Sunday, 2015 is not a leap year
    const auto boxes = surface.Starting("Box ");
    EXPECT_EQ(boxes.size(), 1u + 28u);  // the heading band and one fill per day
    EXPECT_TRUE(Has("Box 601,210 701,274 #FFFFFF"));  // the 28th, row 3
    for (const std::string& box : boxes) EXPECT_LT(TopOf(box), 274) << box;
    EXPECT_EQ(DayLine(29), "");
    EXPECT_EQ(surface.Starting("Line ").size(), 1u + 7u + 6u);
}

TEST_F(MonthGrid, FebruaryOfALeapYearAndOfCenturyYearsFollowTheFullRule)
{
    Draw(2024, 2, 1);
    EXPECT_NE(DayLine(29), "");
    Draw(2000, 2, 1);
    EXPECT_NE(DayLine(29), "");
    // GetMonthDayCount counts every fourth year; the grid still draws 28 days for 1900.
    surface.Calls.clear();
    Draw(1900, 3, 1);
    EXPECT_EQ(frmMain::GetMonthDayCount(1900, 2), 29);
}

TEST_F(MonthGrid, WeekendColours)
{
    Draw(2022, 11, 3);
    EXPECT_NE(DayLine(5).find(" #008000 "), std::string::npos);   // Saturday
    EXPECT_NE(DayLine(6).find(" #FF0000 "), std::string::npos);   // Sunday
    EXPECT_NE(DayLine(7).find(" #000000 "), std::string::npos);   // Monday
}

TEST_F(MonthGrid, OfficialDaysOffAreRedAndLongNamesEndInAnEllipsis)
{
    Draw(2026, 10, 14);
    EXPECT_NE(DayLine(5).find(" #FF0000 "), std::string::npos);   // Monday, 国庆节 休
    EXPECT_NE(DayLine(10).find(" #008000 "), std::string::npos);  // Saturday, 班
    EXPECT_NE(DayLine(12).find(" #000000 "), std::string::npos);  // Monday
    clock.Day = {2026, 10, 5};
    surface.Calls.clear();
    Draw(2026, 10, 14);
    EXPECT_NE(DayLine(5).find(" #FF0000 "), std::string::npos);   // today, and still off

    // 10-15, column 4 of row 2: "国际盲人节(白手杖日)" is 120 pixels in a cell of 100 with
    // 4 pixels kept clear on either side.
    const std::string cut = "Print 405,162 #000000 \"国际盲人节(白…\"";
    EXPECT_TRUE(Has(cut));
    EXPECT_LE(405 + surface.TextWidth("国际盲人节(白…"), 401 + 100 - 4);
}

TEST_F(MonthGrid, TodayIsBlueOnAnyWeekdayButARestDayStaysRed)
{
    clock.Day = {2022, 10, 8};  // Saturday
    Draw(2022, 10, 3);
    EXPECT_NE(DayLine(8).find(" #0000FF "), std::string::npos);
    clock.Day = {2022, 10, 9};  // Sunday
    surface.Calls.clear();
    Draw(2022, 10, 3);
    EXPECT_NE(DayLine(9).find(" #0000FF "), std::string::npos);
    EXPECT_NE(DayLine(8).find(" #008000 "), std::string::npos);
    clock.Day = {2024, 5, 1};  // Labour Day, a Wednesday and a rest day
    surface.Calls.clear();
    Draw(2024, 5, 20);
    EXPECT_NE(DayLine(1).find(" #FF0000 "), std::string::npos);
}

TEST_F(MonthGrid, RestDaysAreRedOnWorkdays)
{
    Draw(2024, 1, 10);  // 2024-01-01 is a Monday
    EXPECT_NE(DayLine(1).find(" #FF0000 "), std::string::npos);
    EXPECT_NE(DayLine(2).find(" #000000 "), std::string::npos);
}

TEST_F(MonthGrid, OfficialDaysOffAndWorkingDaysAreMarkedTopRight)
{
    Draw(2026, 10, 14);
    // 10-01, a Thursday, column 4 of row 0; 10-10, a Saturday, column 6 of row 1: the mark
    // ends 4 pixels inside the cell's right edge, on the day number's line.
    EXPECT_TRUE(Has("Print 485,22 #FF0000 \"休\""));
    EXPECT_TRUE(Has("Print 685,86 #606060 \"班\""));
    const auto marks = [&] {
        int count = 0;
        for (const std::string& call : surface.Starting("Print "))
            count += call.ends_with("\"休\"") || call.ends_with("\"班\"");
        return count;
    };
    EXPECT_EQ(marks(), 8);  // 1 to 7 off, 10 at work; the 14th and the rest unmarked
    // A cell too narrow for the mark beside the date goes without it.
    RecordingPictureBox narrow(280, 400);
    frmMain narrowForm(narrow, view, clock);
    narrowForm.CurYear = 2026, narrowForm.CurMonth = 10, narrowForm.CurDay = 14;
    narrowForm.ReDrawCalendar();
    for (const std::string& call : narrow.Starting("Print ")) EXPECT_FALSE(call.ends_with("\"休\"")) << call;
}

TEST_F(MonthGrid, OnlyTheSelectedDayIsBoldAndBoldEndsWithTheGrid)
{
    Draw(2023, 1, 10);
    const auto prints = surface.Starting("Print ");
    const auto day10 = std::find(prints.begin(), prints.end(), DayLine(10));
    ASSERT_NE(day10, prints.end());
    ASSERT_LE(day10 + 4, prints.end());
    // The four lines of the selected day, and nothing else, including the headings.
    for (auto line = prints.begin(); line != prints.end(); ++line) {
        const bool selected = line >= day10 && line < day10 + 4;
        EXPECT_EQ(line->find(" bold ") != std::string::npos, selected) << *line;
    }
}

TEST_F(MonthGrid, FourTextLinesPerCellWithTheSolarTermLast)
{
    Draw(2024, 2, 1);  // 2024-02-04: the beginning of spring, lunar twelfth month day 25
    const auto prints = surface.Starting("Print ");
    const auto day4 = std::find(prints.begin(), prints.end(), DayLine(4));
    ASSERT_NE(day4, prints.end());
    // Column 0 of row 1; every line starts at x + 4 and steps down by one text height.
    EXPECT_EQ(*day4, "Print 5,86 #FF0000 \"4 廿五\"");
    EXPECT_EQ(day4[1], "Print 5,98 #FF0000 \"\"");
    EXPECT_EQ(day4[2], "Print 5,110 #FF0000 \"\"");
    EXPECT_EQ(day4[3], "Print 5,122 #FF0000 \"立春\"");
}

TEST_F(MonthGrid, HolidaysTakeTheSecondAndThirdLines)
{
    Draw(2008, 1, 15);  // 2008-01-15 is lunar 12-08, 腊八节
    const auto prints = surface.Starting("Print ");
    const auto day15 = std::find(prints.begin(), prints.end(), DayLine(15));
    ASSERT_NE(day15, prints.end());
    EXPECT_NE(day15->find("\"15 初八\""), std::string::npos);
    EXPECT_NE(day15[2].find("\"腊八节\""), std::string::npos);
    Draw(2024, 1, 10);
    const auto again = surface.Starting("Print ");
    const auto newYear = std::find(again.begin(), again.end(), DayLine(1));
    ASSERT_NE(newYear, again.end());
    EXPECT_NE(newYear[1].find("\"元旦\""), std::string::npos);
}

TEST_F(MonthGrid, CellOriginsRoundHalfToEven)
{
    RecordingPictureBox narrow(500.5f, 400);  // cells 71.5 wide
    frmMain narrowForm(narrow, view, clock);
    narrowForm.CurYear = 2023, narrowForm.CurMonth = 1, narrowForm.CurDay = 1;
    narrowForm.ReDrawCalendar();
    auto startsWith = [&](const std::string& prefix) {
        const auto boxes = narrow.Starting(prefix);
        return !boxes.empty();
    };
    EXPECT_TRUE(startsWith("Box 72,18 143.5,82 "));    // 1 * 71.5 + 1 = 72.5 gives 72
    EXPECT_TRUE(startsWith("Box 144,18 215.5,82 "));   // 144 exactly
    EXPECT_TRUE(startsWith("Box 216,18 287.5,82 "));   // 215.5 gives 216
    EXPECT_EQ(dovrin::RoundHalfEven(72.5), 72);
    EXPECT_EQ(dovrin::RoundHalfEven(73.5), 74);
    EXPECT_EQ(dovrin::RoundHalfEven(-2.5), -2);
    EXPECT_EQ(dovrin::RoundHalfEven(72.50001), 73);
}

TEST_F(MonthGrid, CellsStayInTheirRowWhenBoldTextIsTaller)
{
    RecordingPictureBox tallBold(700, 400, 12, 14);
    frmMain boldForm(tallBold, view, clock);
    boldForm.CurYear = 2023, boldForm.CurMonth = 1, boldForm.CurDay = 9;
    boldForm.ReDrawCalendar();
    EXPECT_FALSE(tallBold.Starting("Box 101,82 201,146 ").empty());  // the 9th, bold
    EXPECT_FALSE(tallBold.Starting("Box 201,82 301,146 ").empty());  // the 10th, after it
    EXPECT_FALSE(tallBold.Starting("Line 0,80 700,80 ").empty());
}

TEST_F(MonthGrid, LabelNamesTheLunarYearOfTheLunarDateItShows)
{
    Draw(2008, 1, 15);  // lunar 2007-12-08, before the lunar new year
    EXPECT_EQ(view.Label1, "2008年1月15日 星期二  丁亥(猪) 十二月初八");
    EXPECT_EQ(view.Label2, view.Label1);
    Draw(2008, 2, 8);  // lunar 2008-01-02
    EXPECT_EQ(view.Label1, "2008年2月8日 星期五  戊子(鼠) 一月初二");
    Draw(1901, 1, 1);  // still lunar 1900
    EXPECT_EQ(view.Label1, "1901年1月1日 星期二  庚子(鼠) 十一月十一");
}

TEST_F(MonthGrid, LabelMarksALeapMonthAsTheDayTextDoes)
{
    Draw(2020, 5, 23);  // the first day of the leap fourth month
    EXPECT_EQ(view.Label1, "2020年5月23日 星期六  庚子(鼠) 闰四月初一");
    EXPECT_EQ(view.Caption, "Dovrin万年历 - [" + view.Label1 + "]");
    EXPECT_NE(view.DayText.find("农历：庚子(鼠)年闰四月初一"), std::string::npos);
    Draw(2020, 4, 23);  // the ordinary fourth month, a month earlier
    EXPECT_EQ(view.Label1, "2020年4月23日 星期四  庚子(鼠) 四月初一");
}

TEST_F(MonthGrid, EndsWithTheCaptionAndTheDayTextOfTheSelectedDay)
{
    Draw(2008, 2, 8);
    EXPECT_EQ(view.Caption, "Dovrin万年历 - [2008年2月8日 星期五  戊子(鼠) 一月初二]");
    EXPECT_NE(view.DayText.find("日程信息 (2008年2月8日)"), std::string::npos);
    EXPECT_EQ(form.CalDate.sYear(), 2008);
    EXPECT_EQ(form.CalDate.sMonth(), 2);
    EXPECT_EQ(form.CalDate.sDay(), 8);
    const auto before = view.Redraws;
    view.Updates.clear();
    Draw(2008, 2, 9);
    EXPECT_EQ(view.Redraws, before + 1);
    // Each redraw pushes every output once, the labels first.
    EXPECT_EQ(view.Updates, (std::vector<std::string>{"Labels", "Caption", "DayText", "SelectedDay"}));
    EXPECT_EQ(view.DayText.find("2008年2月8日"), std::string::npos);
}

}  // namespace
