// Navigation: keys, clicks on cells, the five buttons, the font list and the close guard.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "main_window/frmMain.h"
#include "tests/support/pinned_today.h"
#include "tests/support/recording_main_view.h"
#include "tests/support/recording_picture_box.h"

namespace {

using dovrin::CivilDate;
using dovrin::RecordingPictureBox;

using dovrin::test::Ymd;

// 700 x 400 with 12-pixel text: heading height 18, cells of 100 x 64.
class Navigation : public ::testing::Test {
protected:

    void Select(Ymd day)
    {
        form.CurYear = static_cast<std::int16_t>(day.year);
        form.CurMonth = static_cast<std::int16_t>(day.month);
        form.CurDay = static_cast<std::int16_t>(day.day);
        form.ReDrawCalendar();
    }
    Ymd Selected() const { return {form.CurYear, form.CurMonth, form.CurDay}; }

    // Centre of the cell in row r, column c.
    void ClickCell(float row, float column, std::int16_t button = 1)
    {
        form.picMain_MouseDown(button, 0, column * form.CellWidth + form.CellWidth / 2,
                               18 + row * form.CellHeight + form.CellHeight / 2);
    }

    dovrin::FixedClock clock{{2024, 2, 10}};
    dovrin::RecordingMainView view;
    RecordingPictureBox surface{700, 400};
    frmMain form{surface, view, clock};
};

struct StepCase {
    const char* name;
    Ymd from;
    std::int16_t code;
    Ymd to;
};

TEST_F(Navigation, KeysFollowTheMonthEndAndMonthStartRules)
{
    const std::vector<StepCase> cases = {
        {"right into a leap day", {2024, 2, 28}, KeyRight, {2024, 2, 29}},
        {"right past a common February", {2023, 2, 28}, KeyRight, {2023, 3, 1}},
        {"down across a month end lands on the 1st", {2024, 1, 28}, KeyDown, {2024, 2, 1}},
        {"up across a month start lands on the last day", {2024, 3, 5}, KeyUp, {2024, 2, 29}},
        {"up from the 8th", {2024, 5, 8}, KeyUp, {2024, 5, 1}},
        {"up from the 7th", {2024, 5, 7}, KeyUp, {2024, 4, 30}},
        {"left across a year", {2024, 1, 1}, KeyLeft, {2023, 12, 31}},
        {"right across a year", {2023, 12, 31}, KeyRight, {2024, 1, 1}},
        {"page up keeps to the 1st", {2024, 3, 31}, KeyPageUp, {2024, 2, 1}},
        {"page up across a year", {2024, 1, 15}, KeyPageUp, {2023, 12, 1}},
        {"page down from a 31st", {2024, 1, 31}, KeyPageDown, {2024, 2, 1}},
        {"page down across a year", {2023, 12, 9}, KeyPageDown, {2024, 1, 1}},
        {"any other key", {2024, 2, 10}, 36, {2024, 2, 10}},
        {"a letter", {2024, 2, 10}, 65, {2024, 2, 10}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.from);
        const auto redraws = view.Redraws;
        form.picMain_KeyDown(c.code, 0);
        EXPECT_EQ(Selected(), c.to);
        EXPECT_EQ(view.Redraws, redraws + 1);
    }
}

TEST_F(Navigation, TheYearBoundsWrapWithinTheBoundaryYear)
{
    const std::vector<StepCase> cases = {
        {"right on the last day", {2049, 12, 31}, KeyRight, {2049, 1, 1}},
        {"down from the 25th of December 2049", {2049, 12, 25}, KeyDown, {2049, 1, 1}},
        {"down from the 24th stays in December", {2049, 12, 24}, KeyDown, {2049, 12, 31}},
        {"page down in December 2049", {2049, 12, 15}, KeyPageDown, {2049, 1, 1}},
        {"left on the first day", {1901, 1, 1}, KeyLeft, {1901, 12, 31}},
        {"up on 1901-01-01", {1901, 1, 1}, KeyUp, {1901, 12, 31}},
        {"up on 1901-01-07", {1901, 1, 7}, KeyUp, {1901, 12, 31}},
        {"up on 1901-01-08", {1901, 1, 8}, KeyUp, {1901, 1, 1}},
        {"page up in January 1901", {1901, 1, 20}, KeyPageUp, {1901, 12, 1}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.from);
        form.picMain_KeyDown(c.code, 0);
        EXPECT_EQ(Selected(), c.to);
    }
}

TEST_F(Navigation, ShiftIsIgnored)
{
    Select({2024, 2, 28});
    form.picMain_KeyDown(KeyRight, 1);
    EXPECT_EQ(Selected(), (Ymd{2024, 2, 29}));
}

TEST_F(Navigation, ButtonsMoveByMonthOrYearToTheFirst)
{
    const std::vector<StepCase> cases = {
        {"previous year keeps the month", {2024, 2, 29}, Image2PreviousYear, {2023, 2, 1}},
        {"next year keeps the month", {2024, 2, 29}, Image2NextYear, {2025, 2, 1}},
        {"previous year in 1901", {1901, 5, 20}, Image2PreviousYear, {1901, 5, 1}},
        {"next year in 2049", {2049, 7, 9}, Image2NextYear, {2049, 7, 1}},
        {"previous month", {2024, 3, 31}, Image2PreviousMonth, {2024, 2, 1}},
        {"previous month in January 1901", {1901, 1, 3}, Image2PreviousMonth, {1901, 12, 1}},
        {"next month", {2024, 1, 31}, Image2NextMonth, {2024, 2, 1}},
        {"next month in December 2049", {2049, 12, 3}, Image2NextMonth, {2049, 1, 1}},
        {"today", {1950, 7, 3}, Image2Today, {2024, 2, 10}},
        {"no such button", {1950, 7, 3}, 5, {1950, 7, 3}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        Select(c.from);
        const auto redraws = view.Redraws;
        form.Image2_Click(c.code);
        EXPECT_EQ(Selected(), c.to);
        EXPECT_EQ(view.Redraws, redraws + 1);
    }
}

TEST_F(Navigation, TodayOutsideTheCoveredYearsIsHeldAtTheNearestEnd)
{
    clock.Day = {1899, 5, 5};
    form.SelectToday();
    EXPECT_EQ(Selected(), (Ymd{1901, 1, 1}));
    clock.Day = {2077, 3, 3};
    Select({2024, 6, 6});
    form.Image2_Click(Image2Today);
    EXPECT_EQ(Selected(), (Ymd{2049, 12, 31}));
    clock.Day = {2049, 12, 31};
    form.SelectToday();
    EXPECT_EQ(Selected(), (Ymd{2049, 12, 31}));
    clock.Day = {1901, 1, 1};
    form.SelectToday();
    EXPECT_EQ(Selected(), (Ymd{1901, 1, 1}));
}

TEST_F(Navigation, ClickOnACellSelectsItsDayWithAnyButton)
{
    Select({2022, 10, 3});  // starts on a Saturday
    ClickCell(0, 6);
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 1}));
    ClickCell(2, 3, 2);  // right button
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 12}));
    ClickCell(5, 1, 4);  // middle button
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 31}));
}

TEST_F(Navigation, ClickOutsideTheMonthRedrawsWithoutSelecting)
{
    Select({2022, 10, 3});
    auto redraws = view.Redraws;
    ClickCell(0, 0);  // candidate -5
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 3}));
    EXPECT_EQ(view.Redraws, redraws + 1);
    ClickCell(5, 2);  // candidate 32
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 3}));
    EXPECT_EQ(view.Redraws, redraws + 2);
    // A click on a cell never changes the month.
    EXPECT_EQ(form.CurMonth, 10);
}

TEST_F(Navigation, ClickOnTheHeadingDoesNothingAtAll)
{
    Select({2022, 10, 3});
    const auto redraws = view.Redraws;
    form.picMain_MouseDown(1, 0, 650, 17.9f);
    EXPECT_EQ(view.Redraws, redraws);
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 3}));
    form.picMain_MouseDown(1, 0, 650, 18);  // the first row starts here
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 1}));
}

TEST_F(Navigation, ClickArithmeticRoundsHalfToEvenBeforeDividing)
{
    Select({2023, 1, 10});  // starts on a Sunday
    // 99.5 + 1 rounds (half to even) to 100: column 1; 98.5 + 1 rounds to 100 as well; 97.5 + 1 to 98: column 0.
    form.picMain_MouseDown(1, 0, 99.5f, 40);
    EXPECT_EQ(form.CurDay, 2);
    form.picMain_MouseDown(1, 0, 98.5f, 40);
    EXPECT_EQ(form.CurDay, 2);
    form.picMain_MouseDown(1, 0, 97.5f, 40);
    EXPECT_EQ(form.CurDay, 1);
}

TEST_F(Navigation, TheLastPixelsOfTheGridStayInTheLastColumnAndRow)
{
    Select({2022, 10, 3});
    form.picMain_MouseDown(1, 0, 699.5f, 50);  // 700.5 rounds to 700, and 700 / 100 would be column 7
    EXPECT_EQ(Selected(), (Ymd{2022, 10, 1}));
    // 343 pixels high: cells of 54.5, rounded to 54 for the click arithmetic.
    RecordingPictureBox shortSurface(700, 343);
    frmMain shortForm(shortSurface, view, clock);
    shortForm.CurYear = 2022, shortForm.CurMonth = 10, shortForm.CurDay = 3;
    shortForm.ReDrawCalendar();
    shortForm.picMain_MouseDown(1, 0, 50, 342.9f);  // 324.9 rounds to 325, and 325 / 54 would be row 6
    EXPECT_EQ(shortForm.CurDay, 30);
}

TEST_F(Navigation, ClickOnCellsWithoutSizeSelectsNothing)
{
    RecordingPictureBox tiny(3, 100);  // cells 0.43 wide, rounded to 0
    frmMain tinyForm(tiny, view, clock);
    tinyForm.CurYear = 2024, tinyForm.CurMonth = 2, tinyForm.CurDay = 10;
    tinyForm.ReDrawCalendar();
    const auto redraws = view.Redraws;
    tinyForm.picMain_MouseDown(1, 0, 1, 50);
    EXPECT_EQ(tinyForm.CurDay, 10);
    EXPECT_EQ(view.Redraws, redraws + 1);

    RecordingPictureBox empty(0, 0);  // no cells at all; the heading test lets y = 30 through
    frmMain emptyForm(empty, view, clock);
    emptyForm.CurYear = 2024, emptyForm.CurMonth = 2, emptyForm.CurDay = 10;
    emptyForm.ReDrawCalendar();
    emptyForm.picMain_MouseDown(1, 0, 0, 30);
    EXPECT_EQ(emptyForm.CurDay, 10);
}

TEST(GetMonthDayCount, CountsEveryFourthYearAsLeap)
{
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 2), 29);
    EXPECT_EQ(frmMain::GetMonthDayCount(2023, 2), 28);
    EXPECT_EQ(frmMain::GetMonthDayCount(2000, 2), 29);
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 4), 30);
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 1), 31);
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 12), 31);
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 13), 0);
    EXPECT_EQ(frmMain::GetMonthDayCount(2024, 0), 0);
    // Agrees with the full Gregorian rule over the navigation's years.
    for (int year = frmMain::FirstYear; year <= frmMain::LastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(frmMain::GetMonthDayCount(static_cast<std::int16_t>(year),
                                                static_cast<std::int16_t>(month)),
                      dovrin::DaysInMonth(year, month))
                << year << "-" << month;
}

TEST_F(Navigation, FontListAppliesTheEntryAndRedraws)
{
    Select({2024, 2, 10});
    const auto redraws = view.Redraws;
    form.Combo1_Click("Noto Serif CJK SC");
    EXPECT_EQ(surface.FontName(), "Noto Serif CJK SC");
    EXPECT_EQ(view.Redraws, redraws + 1);
    form.Combo1_Change("DejaVu Sans");
    EXPECT_EQ(surface.FontName(), "DejaVu Sans");
    EXPECT_EQ(view.Redraws, redraws + 2);
}

TEST(FormQueryUnload, RefusesUntilReady)
{
    dovrin::FixedClock clock{{2024, 2, 10}};
    dovrin::RecordingMainView view;
    RecordingPictureBox surface(700, 400);
    frmMain form(surface, view, clock);
    std::int16_t cancel = 0;
    form.Form_QueryUnload(cancel, 0);
    EXPECT_EQ(cancel, 1);
    form.IsReady = true;
    cancel = 0;
    form.Form_QueryUnload(cancel, 1);
    EXPECT_EQ(cancel, 0);
}

}  // namespace
