// The days of a month in the grid: cell places, painted boxes and each cell's whole text.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "calendar/date_serial.h"
#include "main_window/day_cells.h"
#include "main_window/frmMain.h"
#include "tests/support/recording_main_view.h"
#include "tests/support/recording_picture_box.h"

namespace {

using dovrin::CivilDate;
using dovrin::GridCell;

TEST(DayCells, EveryDayOfTheSpanComesBackFromItsCellAndTheOtherCellsAreEmpty)
{
    for (std::int32_t year = 1901; year <= 2049; ++year) {
        for (std::int32_t month = 1; month <= 12; ++month) {
            std::int32_t days = 0;
            for (std::int32_t row = 0; row < dovrin::GridRows; ++row) {
                for (std::int32_t column = 0; column < dovrin::GridColumns; ++column) {
                    const std::int32_t day = dovrin::DayInCell(year, month, {row, column});
                    if (day == 0) continue;
                    ++days;
                    ASSERT_EQ(dovrin::CellOfDay({year, month, day}), (GridCell{row, column}))
                        << year << "-" << month << "-" << day;
                }
            }
            ASSERT_EQ(days, dovrin::DaysInMonth(year, month)) << year << "-" << month;
        }
    }
    // 2025-03-01 is a Saturday: the 1st is at the top right, the 31st at the bottom left.
    EXPECT_EQ(dovrin::CellOfDay({2025, 3, 1}), (GridCell{0, 6}));
    EXPECT_EQ(dovrin::CellOfDay({2025, 3, 31}), (GridCell{5, 1}));
}

TEST(DayCells, TheBoxOfEachCellIsWhereTheGridPaintsIt)
{
    // Cells of 100 x 64.286 under a 12-pixel heading: the rows fall on rounded pixels.
    dovrin::FixedClock clock{{2000, 6, 15}};
    dovrin::RecordingMainView view;
    dovrin::RecordingPictureBox surface{700, 401};
    frmMain form{surface, view, clock};
    form.CurYear = 2025;
    form.CurMonth = 3;
    form.CurDay = 12;
    form.ReDrawCalendar();

    std::vector<std::string> cellFills;
    for (const std::string& box : surface.Starting("Box "))
        if (box.ends_with("#FFFFFF")) cellFills.push_back(box);
    ASSERT_EQ(cellFills.size(), 31u);
    for (std::int32_t day = 1; day <= 31; ++day) {
        const dovrin::CellBox box = form.BoxOfCell(dovrin::CellOfDay({2025, 3, day}));
        const std::string expected = "Box " + dovrin::FormatNumber(box.left) + "," + dovrin::FormatNumber(box.top) +
                                     " " + dovrin::FormatNumber(box.left + box.width) + "," +
                                     dovrin::FormatNumber(box.top + box.height) + " #FFFFFF";
        EXPECT_EQ(cellFills[static_cast<std::size_t>(day - 1)], expected) << day;
    }
}

TEST(DayCells, TheWholeTextSaysEverythingTheCellShowsInReadingOrder)
{
    const dovrin::RestDays restDays;
    const struct {
        CivilDate day;
        const char* text;
    } cases[] = {
        {{2026, 2, 16}, "2026年2月16日 星期一，农历十二月廿九，除夕，休（春节）"},
        {{2026, 2, 14}, "2026年2月14日 星期六，农历十二月廿七，情人节，班（春节）"},
        {{2024, 10, 1}, "2024年10月1日 星期二，农历八月廿九，国庆节 国际音乐日，休（国庆节）"},
        {{2026, 2, 4}, "2026年2月4日 星期三，农历十二月十七，立春，六九"},
        {{2023, 3, 22}, "2023年3月22日 星期三，农历闰二月初一"},
        {{2021, 7, 1}, "2021年7月1日 星期四，农历五月廿二，建党节 香港回归纪念"},
        // Of the almanac only the first day of a seasonal count: 初伏, and 一九 on 冬至 itself;
        // the sixth day of the 伏 says nothing of it.
        {{2026, 7, 15}, "2026年7月15日 星期三，农历六月初二，初伏"},
        {{2025, 12, 21}, "2025年12月21日 星期日，农历十一月初二，冬至，一九"},
        {{2026, 7, 20}, "2026年7月20日 星期一，农历六月初七"},
    };
    for (const auto& c : cases) EXPECT_EQ(dovrin::DayCellText(c.day, restDays), c.text) << dovrin::IsoDate(c.day);
}

TEST(DayCells, TheTipAddsTheInstantOfTheDaysSolarTerm)
{
    const dovrin::RestDays restDays;
    const std::string term = dovrin::DayCellTip({2026, 2, 4}, restDays);
    EXPECT_TRUE(term.starts_with(dovrin::DayCellText({2026, 2, 4}, restDays) + "\n")) << term;
    EXPECT_TRUE(std::regex_search(term, std::regex("\n立春：\\d\\d:\\d\\d:\\d\\d（北京时间）$"))) << term;
    EXPECT_EQ(dovrin::DayCellTip({2026, 2, 16}, restDays), dovrin::DayCellText({2026, 2, 16}, restDays));
}

dovrin::MyDay MothersBirthday()
{
    dovrin::MyDay day;
    day.title = "妈妈生日";
    day.month = 8;
    day.day = 15;
    day.firstYear = 1961;
    return day;
}

TEST(DayCells, TheUsersDaysAreMarkedTitledAndSaidWhole)
{
    dovrin::MyDay wedding;
    wedding.title = "结婚纪念日";
    wedding.lunar = false;
    wedding.month = 10;
    wedding.day = 8;
    const std::vector<dovrin::MyDay> days{MothersBirthday(), wedding};
    dovrin::FixedClock clock{{2000, 6, 15}};
    dovrin::RecordingMainView view;
    dovrin::RecordingPictureBox surface{700, 401};
    frmMain form{surface, view, clock};
    form.CurYear = 2025;
    form.CurMonth = 10;
    form.CurDay = 1;
    form.MyDays = days;
    form.ReDrawCalendar();

    // 10-6 is 中秋节 and a 休 of the holiday, 10-8 a 休 as well: the mark left of the 休.
    const auto printed = [&](const std::string& text) {
        std::vector<std::string> found;
        for (const std::string& call : surface.Starting("Print "))
            if (call.find("\"" + text) != std::string::npos) found.push_back(call);
        return found;
    };
    const std::vector<std::string> marks = printed("◉");
    ASSERT_EQ(marks.size(), 2u);
    for (const std::string& mark : marks) EXPECT_NE(mark.find("#466078"), std::string::npos) << mark;
    const auto x = [](const std::string& call) { return std::stof(call.substr(6)); };
    const std::vector<std::string> rests = printed("休");
    ASSERT_FALSE(rests.empty());
    EXPECT_LT(x(marks[0]), x(rests[0]));
    // The title on the line of the Gregorian holidays, before them where the day has some.
    EXPECT_EQ(printed("妈妈生日").size(), 1u);
    EXPECT_EQ(printed("结婚纪念日").size(), 1u);

    const dovrin::RestDays restDays;
    EXPECT_EQ(dovrin::DayCellText({2025, 10, 6}, restDays, days),
              "2025年10月6日 星期一，农历八月十五，老人节，中秋节，休（国庆节、中秋节），"
              "我的日子：妈妈生日（农历八月十五，六十四岁）");
    // Before the solar term's instant, which keeps its own line.
    const std::string tip = dovrin::DayCellTip({2025, 10, 8}, restDays, days);
    EXPECT_TRUE(tip.starts_with(dovrin::DayCellText({2025, 10, 8}, restDays, days) + "\n")) << tip;
    EXPECT_NE(tip.find("我的日子：结婚纪念日\n寒露："), std::string::npos) << tip;
}

}  // namespace
