// The main window's logic: month grid drawing, navigation and the close guard.
#include "main_window/frmMain.h"

#include "calendar/date_serial.h"
#include "calendar/day_look.h"
#include "calendar/locale_names.h"
#include "calendar/utf8.h"
#include "info_window/day_info_text.h"
#include "main_window/round_half_even.h"
#include "resources/my_days.h"
#include "resources/user_file.h"

using dovrin::RoundHalfEven;
using dovrin::Rgb;

namespace {

using namespace dovrin::grid_colours;

// The heading's measuring text: one line of weekday names.
constexpr const char* HeadingSample = "星期";

}  // namespace

frmMain::frmMain(dovrin::PictureBox& surface, dovrin::MainView& outputs, const dovrin::Clock& today)
    : CalDate(today), picMain(surface), view(outputs), clock(today)
{
}

void frmMain::SelectToday()
{
    dovrin::CivilDate today = clock.Today();
    if (today.year < FirstYear) today = {FirstYear, 1, 1};
    if (today.year > LastYear) today = {LastYear, 12, 31};
    CurYear = static_cast<std::int16_t>(today.year);
    CurMonth = static_cast<std::int16_t>(today.month);
    CurDay = static_cast<std::int16_t>(today.day);
}

void frmMain::LoadMyDays(const std::string& path)
{
    // The lines the file cannot use are dovrin-cal --my-days's to report, and the dialog's.
    MyDaysText = path.empty() ? std::string() : dovrin::ReadUserFile(path).text;
    MyDays = dovrin::ParseMyDays(MyDaysText).days;
}

void frmMain::ReDrawCalendar()
{
    picMain.BackColor(White);
    picMain.Cls();
    const float th = DrawHeadingBand();
    CellWidth = picMain.ScaleWidth() / 7;
    CellHeight = (picMain.ScaleHeight() - th - 4) / 6;

    // The day count follows the full Gregorian rule, unlike GetMonthDayCount.
    const std::int32_t days = dovrin::DaysInMonth(CurYear, CurMonth);
    const dovrin::CivilDate today = clock.Today();
    const std::vector<dovrin::MyDayOnDate> mine =
        dovrin::MyDaysBetween(MyDays, {CurYear, CurMonth, 1}, {CurYear, CurMonth, days});
    for (std::int32_t d = 1; d <= days; ++d) DrawDayCell(d, th, today, mine);

    DrawGridLines(th);
    DrawWeekdayNames();
    ShowSelectedDayLabels();
}

float frmMain::DrawHeadingBand()
{
    const float sw = picMain.ScaleWidth();
    // Measured once, in the heading's regular weight: a bold line can be taller, and a
    // height taken after the selected day would shift the next cell out of its row and
    // away from where a click finds it.
    picMain.FontBold(false);
    const float th = picMain.TextHeight(HeadingSample);
    picMain.ForeColor(HeadingBand);
    picMain.FilledBox(0, 0, sw, th + 4);
    picMain.ForeColor(GridLine);
    picMain.Line(0, th + 5, sw, th + 5);
    return th;
}

void frmMain::DrawDayCell(std::int32_t d, float th, dovrin::CivilDate today,
                          const std::vector<dovrin::MyDayOnDate>& mine)
{
    const dovrin::CellBox box = dovrin::DayCellBox(dovrin::CellOfDay({CurYear, CurMonth, d}), CellWidth, CellHeight, th);
    const auto x = static_cast<std::int16_t>(box.left);
    const auto y = static_cast<std::int16_t>(box.top);

    picMain.FontBold(d == CurDay);
    picMain.ForeColor(White);
    picMain.FilledBox(x, y, x + CellWidth, y + CellHeight);

    CalDate.sInitDate(CurYear, CurMonth, d);
    const dovrin::DayOff off = OfficialDays.Lookup({CurYear, CurMonth, d}).kind;
    picMain.ForeColor(dovrin::ColourOfTone(dovrin::ToneOfDay(CalDate, today, off)));

    const auto textX = static_cast<std::int16_t>(x + 4);
    picMain.CurrentX(textX);
    picMain.CurrentY(static_cast<std::int16_t>(y + 4));
    const std::string firstLine = PrintInCell(std::to_string(d) + " " + CalDate.CDayStr(CalDate.lDay()));
    // The user's day goes before the Gregorian holidays, on their line.
    const std::string title = dovrin::MyDayTitleOn(MyDays, mine, {CurYear, CurMonth, d});
    const std::string holidays = CalDate.sHoliday();
    const std::string second = title.empty() ? holidays : holidays.empty() ? title : title + " " + holidays;
    // Empty texts still take their line, so the solar term is always the fourth.
    for (const std::string& text : {second, CalDate.lHoliday(), CalDate.lSolarTerm()}) {
        picMain.CurrentX(textX);
        PrintInCell(text);
    }
    MarkDay(off, !title.empty(), x, y, firstLine);
}

std::string frmMain::PrintInCell(const std::string& text)
{
    // The cell's padding of 4 pixels on either side stays clear: a longer text ends in "…".
    const std::string shown = dovrin::Elided(text, CellWidth - 8, [this](std::string_view part) {
        return picMain.TextWidth(std::string(part));
    });
    picMain.Print(shown);
    return shown;
}

void frmMain::DrawGridLines(float th)
{
    const float sw = picMain.ScaleWidth();
    const float sh = picMain.ScaleHeight();
    picMain.ForeColor(GridLine);
    for (int i = 1; i <= 7; ++i) {
        const auto x = static_cast<float>(i) * CellWidth;
        picMain.Line(x, 0, x, sh);
    }
    // The heading separator stands in for the line at i = 0.
    for (int i = 1; i <= 6; ++i) {
        const auto y = static_cast<float>(i) * CellHeight + th + 4;
        picMain.Line(0, y, sw, y);
    }
}

void frmMain::DrawWeekdayNames()
{
    picMain.ForeColor(Black);
    picMain.FontBold(false);
    for (int i = 1; i <= 7; ++i) {
        picMain.CurrentX(static_cast<float>(i - 1) * CellWidth + 3);
        picMain.CurrentY(3);
        picMain.Print(dovrin::WeekdayName(i));
    }
}

void frmMain::ShowSelectedDayLabels()
{
    CalDate.sInitDate(CurYear, CurMonth, CurDay);
    // The stem-branch year and animal are those of the lunar year of the date shown, so
    // that a day before the lunar new year is not named with next year's animal.
    const std::int32_t lunarYear = CalDate.lYear();
    const std::string label1 = dovrin::ChineseDate(CurYear, CurMonth, CurDay) + " " + CalDate.sWeekDayStr() + "  " +
                               dovrin::LunarYearName(CalDate, lunarYear) + " " +
                               dovrin::LunarMonthName(CalDate.lMonth(), CalDate.IsLeap()) +
                               CalDate.CDayStr(CalDate.lDay());
    view.ShowLabels(label1, label1);
    ShowDayInfo(label1);
}

void frmMain::ShowDayInfo(const std::string& label1)
{
    view.ShowCaption(dovrin::DayInfoCaption(label1));
    view.ShowDayText(dovrin::DayInfoText(CalDate, Texts, CurYear, CurMonth, CurDay, MyDays));
    view.ShowSelectedDay();
}

void frmMain::MarkDay(dovrin::DayOff kind, bool mine, float x, float y, const std::string& firstLine)
{
    float right = x + CellWidth - 4;
    const float leftLimit = x + 4 + picMain.TextWidth(firstLine) + 2;
    const auto print = [&](const std::string& mark, Rgb colour) {
        const float markX = right - picMain.TextWidth(mark);
        // A cell too narrow for both leaves the mark out rather than draw it over the date.
        if (markX < leftLimit) return;
        picMain.ForeColor(colour);
        picMain.CurrentX(markX);
        picMain.CurrentY(y + 4);
        picMain.Print(mark);
        right = markX - 1;
    };
    if (kind != dovrin::DayOff::None) print(dovrin::DayOffMark(kind), dovrin::DayOffMarkColour(kind));
    if (mine) print(dovrin::MyDayMark(), Slate);
}

void frmMain::KeepYearInRange()
{
    if (CurYear < FirstYear) CurYear = FirstYear;
    if (CurYear > LastYear) CurYear = LastYear;
}

std::int16_t frmMain::GetMonthDayCount(std::int16_t year, std::int16_t month)
{
    static constexpr std::int16_t common[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    // No century rule: every year of FirstYear..LastYear divisible by 4 is a leap year.
    if (month == 2 && year % 4 == 0) return 29;
    return common[month - 1];
}

void frmMain::DayForward(std::int16_t days)
{
    CurDay = static_cast<std::int16_t>(CurDay + days);
    // Past the month's end the step lands on the 1st of the next month, not further on.
    if (CurDay > GetMonthDayCount(CurYear, CurMonth)) {
        CurDay = 1;
        ++CurMonth;
        if (CurMonth > 12) {
            CurMonth = 1;
            ++CurYear;
            KeepYearInRange();
        }
    }
}

void frmMain::DayBack(std::int16_t days)
{
    CurDay = static_cast<std::int16_t>(CurDay - days);
    // Before the 1st the step lands on the last day of the previous month.
    if (CurDay <= 0) {
        --CurMonth;
        if (CurMonth <= 0) {
            CurMonth = 12;
            --CurYear;
            KeepYearInRange();
        }
        CurDay = GetMonthDayCount(CurYear, CurMonth);
    }
}

// The year bounds change only the year, so the step wraps within the boundary year.
void frmMain::MonthBack()
{
    CurDay = 1;
    --CurMonth;
    if (CurMonth == 0) {
        CurMonth = 12;
        --CurYear;
    }
    KeepYearInRange();
}

void frmMain::MonthForward()
{
    CurDay = 1;
    ++CurMonth;
    if (CurMonth == 13) {
        CurMonth = 1;
        ++CurYear;
    }
    KeepYearInRange();
}

void frmMain::picMain_KeyDown(std::int16_t keyCode, std::int16_t)
{
    switch (keyCode) {
    case KeyRight: DayForward(1); break;
    case KeyLeft: DayBack(1); break;
    case KeyDown: DayForward(7); break;
    case KeyUp: DayBack(7); break;
    case KeyPageUp: MonthBack(); break;
    case KeyPageDown: MonthForward(); break;
    default: break;
    }
    ReDrawCalendar();
}

void frmMain::picMain_MouseDown(std::int16_t, std::int16_t, float x, float y)
{
    if (y < HeadingHeight()) return;  // the weekday heading: not even a redraw
    // A click on an empty cell selects nothing.
    if (const std::int32_t day = DayUnder(x, y); day != 0) CurDay = static_cast<std::int16_t>(day);
    ReDrawCalendar();
}

float frmMain::HeadingHeight() const
{
    return picMain.TextHeight(HeadingSample) + 5 + 1;
}

std::int32_t frmMain::DayUnder(float x, float y) const
{
    const float headingHeight = HeadingHeight();
    if (y < headingHeight) return 0;

    const std::int32_t cellWidth = RoundHalfEven(CellWidth);
    const std::int32_t cellHeight = RoundHalfEven(CellHeight);
    // A window too small to hold the grid has no cells to hit.
    if (cellWidth <= 0 || cellHeight <= 0) return 0;
    // Integer division truncates, as the cells are counted from the top-left.
    std::int32_t column = RoundHalfEven(x + 1) / cellWidth;
    std::int32_t row = RoundHalfEven(y - headingHeight) / cellHeight;
    // The rounded cell size can be a little short of the drawn one: the last pixels of
    // the Saturday column or the bottom row still belong to that column or row.
    if (column > 6) column = 6;
    if (row > 5) row = 5;
    return dovrin::DayInCell(CurYear, CurMonth, {row, column});
}

dovrin::CellBox frmMain::BoxOfCell(dovrin::GridCell cell) const
{
    return dovrin::DayCellBox(cell, CellWidth, CellHeight, picMain.TextHeight(HeadingSample));
}

void frmMain::Image2_Click(std::int16_t index)
{
    switch (index) {
    case Image2PreviousYear:
        CurDay = 1;
        --CurYear;
        KeepYearInRange();
        break;
    case Image2PreviousMonth: MonthBack(); break;
    case Image2NextMonth: MonthForward(); break;
    case Image2NextYear:
        CurDay = 1;
        ++CurYear;
        KeepYearInRange();
        break;
    case Image2Today: SelectToday(); break;
    default: break;
    }
    ReDrawCalendar();
}

void frmMain::Combo1_Click(const std::string& listEntry)
{
    Combo1_Change(listEntry);
}

void frmMain::Combo1_Change(const std::string& listEntry)
{
    picMain.FontName(listEntry);
    ReDrawCalendar();
}

void frmMain::Form_QueryUnload(std::int16_t& cancel, std::int16_t) const
{
    if (!IsReady) cancel = 1;
}
