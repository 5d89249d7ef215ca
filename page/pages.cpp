// The printed month and year: where every line, box and text of a page goes.
#include "page/pages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/day_look.h"
#include "calendar/locale_names.h"
#include "calendar/month_grid.h"
#include "calendar/named_days.h"
#include "calendar/utf8.h"

namespace dovrin {
namespace {

using namespace grid_colours;

// Paper carries no "today": a page is pinned up for a year.
constexpr CivilDate NoDay{};

// What fits a width: the text at the largest size down to `smallest`, else cut with "…".
struct Fitted {
    std::string text;
    float size = 0;
};

Fitted FitText(PageSurface& surface, const std::string& text, float width, float size, float smallest, bool bold)
{
    for (float s = size;; s -= 0.25f) {
        surface.Font(s, bold);
        if (surface.TextWidth(text) <= width) return {text, s};
        if (s - 0.25f < smallest) break;
    }
    surface.Font(smallest, bold);
    return {Elided(text, width, [&surface](std::string_view part) { return surface.TextWidth(std::string(part)); }),
            smallest};
}

// Prints a fitted text at (x, y) in the current colour; the size it was fitted at stays set.
void PrintFitted(PageSurface& surface, float x, float y, const std::string& text, float width, float size,
                 float smallest, bool bold = false)
{
    const Fitted fitted = FitText(surface, text, width, size, smallest, bold);
    if (!fitted.text.empty()) surface.Print(x, y, fitted.text);
}

// "农历腊月、正月": the lunar months the Gregorian month's days fall in.
std::string LunarMonthsOf(std::int32_t year, std::int32_t month)
{
    std::string text;
    clsDate date;
    std::int32_t last = 0;
    bool lastLeap = false;
    for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        date.sInitDate(year, month, day);
        if (date.lMonth() == 0 || (date.lMonth() == last && date.IsLeap() == lastLeap)) continue;
        text += text.empty() ? "农历" : "、";
        text += LunarMonthCustomName(date.lMonth(), date.IsLeap());
        last = date.lMonth();
        lastLeap = date.IsLeap();
    }
    return text;
}

// The gap between the two marks of a cell.
constexpr float MarkGap = 1;

// The width the marks of a cell take at `size`, bold: 休 or 班 and the user's day mark.
float MarksWidth(PageSurface& surface, DayOff off, bool mine, float size)
{
    surface.Font(size, true);
    float width = off == DayOff::None ? 0 : surface.TextWidth(DayOffMark(off));
    if (mine) width += (width > 0 ? MarkGap : 0) + surface.TextWidth(MyDayMark());
    return width;
}

// 休 or 班 ending at `right`, and the user's day mark left of it, bold, each in its colour.
void PrintMarks(PageSurface& surface, DayOff off, bool mine, float right, float y, float size, float leftLimit)
{
    surface.Font(size, true);
    const auto print = [&](const std::string& mark, Rgb colour) {
        const float x = right - surface.TextWidth(mark);
        // Too narrow a cell leaves the mark out rather than print it over the day's number.
        if (x < leftLimit) return;
        surface.ForeColor(colour);
        surface.Print(x, y, mark);
        right = x - MarkGap;
    };
    if (off != DayOff::None) print(DayOffMark(off), DayOffMarkColour(off));
    if (mine) print(MyDayMark(), Slate);
}

// The lines of a grid of columns x rows cells, its frame included.
void GridLines(PageSurface& surface, float left, float top, float cellWidth, float cellHeight, std::int32_t columns,
               std::int32_t rows)
{
    surface.ForeColor(GridLine);
    const float right = left + cellWidth * static_cast<float>(columns);
    const float bottom = top + cellHeight * static_cast<float>(rows);
    for (std::int32_t i = 0; i <= columns; ++i) {
        const float x = left + cellWidth * static_cast<float>(i);
        surface.Line(x, top, x, bottom);
    }
    for (std::int32_t i = 0; i <= rows; ++i) {
        const float y = top + cellHeight * static_cast<float>(i);
        surface.Line(left, y, right, y);
    }
}

// The weekday heading over seven columns, names centred, in a band of the grid's colour.
void WeekdayHeading(PageSurface& surface, float left, float top, float cellWidth, float height, float size,
                    bool shortNames)
{
    surface.ForeColor(HeadingBand);
    surface.FilledBox(left, top, left + 7 * cellWidth, top + height);
    surface.Font(size, false);
    const float y = top + (height - surface.TextHeight()) / 2;
    for (std::int32_t weekday = 1; weekday <= 7; ++weekday) {
        const std::string name = shortNames ? ShortWeekdayName(weekday) : WeekdayName(weekday);
        surface.ForeColor(weekday == 1 ? Red : weekday == 7 ? Green : Black);
        const float x = left + cellWidth * static_cast<float>(weekday - 1) + (cellWidth - surface.TextWidth(name)) / 2;
        surface.Print(x, y, name);
    }
}

constexpr float MonthMargin = 36;
constexpr float YearMargin = 28;

}  // namespace

PageSize SizeOfPaper(Paper paper, bool landscape)
{
    // A4 is 210 x 297 mm, Letter 8.5 x 11 in.
    const PageSize portrait = paper == Paper::A4 ? PageSize{595.2756f, 841.8898f} : PageSize{612, 792};
    return landscape ? PageSize{portrait.height, portrait.width} : portrait;
}

namespace {

// The month's title at the left, the lunar months it spans at the right; the title's height.
float PrintMonthTitle(PageSurface& surface, float left, float width, std::int32_t year, std::int32_t month)
{
    const std::string title = dovrin::MonthTitle(year, month);
    surface.ForeColor(Black);
    surface.Font(20, true);
    const float titleHeight = surface.TextHeight();
    surface.Print(left, MonthMargin, title);
    const float titleWidth = surface.TextWidth(title);
    surface.Font(12, false);
    const float spanWidth = width - titleWidth - 24;
    const std::string span = LunarMonthsOf(year, month);
    const Fitted spanText = FitText(surface, span, spanWidth, 12, 8, false);
    surface.Print(left + width - surface.TextWidth(spanText.text), MonthMargin + titleHeight - surface.TextHeight(),
                  spanText.text);
    return titleHeight;
}

// The entries of the list under the grid, as the terminal lists them.
std::vector<std::string> MonthListEntries(std::int32_t year, std::int32_t month, const RestDays& restDays,
                                          const std::vector<MyDay>& myDays, const std::vector<MyDayOnDate>& mine)
{
    std::vector<std::string> entries;
    const std::vector<RestDayPeriod> daysOff = restDays.Periods({year, month, 1}, {year, month, DaysInMonth(year, month)});
    for (const NamedDay& entry : ListOfMonth(NamedDaysOfMonth(year, month), daysOff, MyDayEntries(myDays, mine)))
        entries.push_back(ListEntryText(entry, month));
    if (!restDays.Covers(year)) entries.push_back(std::to_string(year) + "年的放假安排尚未收录");
    return entries;
}

// A day's cell as its number begins it: the day, its arrangement and colour, and the size of
// the number printed bold at the cell's top left.
struct DayInPrint {
    clsDate date;
    DayOff off = DayOff::None;
    Rgb colour;
    float numberWidth = 0;
    float numberHeight = 0;
};

DayInPrint PrintDayNumber(PageSurface& surface, float x, float y, float size, CivilDate civil,
                          const RestDays& restDays)
{
    DayInPrint day;
    day.date.sInitDate(civil.year, civil.month, civil.day);
    day.off = restDays.Lookup(civil).kind;
    day.colour = ColourOfTone(ToneOfDay(day.date, NoDay, day.off));
    surface.ForeColor(day.colour);
    surface.Font(size, true);
    const std::string number = std::to_string(civil.day);
    surface.Print(x, y, number);
    day.numberWidth = surface.TextWidth(number);
    day.numberHeight = surface.TextHeight();
    return day;
}

// The size of a page's cells and of the texts in them: the day's number and the lines under it.
struct CellSizes {
    float width = 0;
    float height = 0;
    float numberSize = 0;
    float numberHeight = 0;
    float lineSize = 0;
    float lineHeight = 0;
};

constexpr float MonthCellPad = 5;

// Four lines a cell, as on screen: the day with its lunar day, then the user's day with the
// Gregorian holidays, the lunar holidays and the solar term, an empty text keeping its line.
void DrawMonthCell(PageSurface& surface, const CellSizes& cells, float x, float y, CivilDate civil,
                   const RestDays& restDays, const std::string& myDayTitle)
{
    constexpr float pad = MonthCellPad;
    const DayInPrint day = PrintDayNumber(surface, x + pad, y + pad, cells.numberSize, civil, restDays);
    const clsDate& date = day.date;
    const DayOff off = day.off;
    const Rgb colour = day.colour;
    const float lunarX = x + pad + day.numberWidth + 4;
    const bool mine = !myDayTitle.empty();

    const float marksWidth = MarksWidth(surface, off, mine, 10);
    const float markWidth = marksWidth > 0 ? marksWidth + 3 : 0;
    surface.ForeColor(colour);
    surface.Font(10, false);
    const float lunarY = y + pad + cells.numberHeight - surface.TextHeight();
    PrintFitted(surface, lunarX, lunarY, date.CDayStr(date.lDay()), x + cells.width - pad - markWidth - lunarX,
                10, 6);
    PrintMarks(surface, off, mine, x + cells.width - pad, lunarY, 10, lunarX);

    surface.ForeColor(colour);
    float lineY = y + pad + cells.numberHeight + 2;
    const std::string holidays = date.sHoliday();
    const std::string first = !mine ? holidays : holidays.empty() ? myDayTitle : myDayTitle + " " + holidays;
    for (const std::string& text : {first, date.lHoliday(), date.lSolarTerm()}) {
        PrintFitted(surface, x + pad, lineY, text, cells.width - 2 * pad, cells.lineSize,
                    std::min(cells.lineSize, 5.0f));
        lineY += cells.lineHeight;
    }
}

}  // namespace

void DrawMonthPage(PageSurface& surface, Paper paper, std::int32_t year, std::int32_t month,
                   const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    const PageSize page = SizeOfPaper(paper, true);
    surface.NewPage(page.width, page.height);
    const float left = MonthMargin;
    const float width = page.width - 2 * MonthMargin;
    const float titleHeight = PrintMonthTitle(surface, left, width, year, month);

    // The list under the grid, three entries to a line in reading order.
    const std::vector<MyDayOnDate> mine =
        MyDaysBetween(myDays, {year, month, 1}, {year, month, DaysInMonth(year, month)});
    const std::vector<std::string> entries = MonthListEntries(year, month, restDays, myDays, mine);
    constexpr std::int32_t listColumns = 3;
    constexpr float listSize = 10;
    surface.Font(listSize, false);
    const float listLine = surface.TextHeight() + 3;
    const auto listRows = static_cast<float>((entries.size() + listColumns - 1) / listColumns);
    const float listHeight = listRows * listLine;

    const float headingTop = MonthMargin + titleHeight + 10;
    surface.Font(11, false);
    const float headingHeight = surface.TextHeight() + 8;
    const float gridTop = headingTop + headingHeight;
    const float gridBottom = page.height - MonthMargin - listHeight - (listHeight > 0 ? 12 : 0);
    CellSizes cells{width / 7, (gridBottom - gridTop) / 6, 16, 0, 0, 0};

    WeekdayHeading(surface, left, headingTop, cells.width, headingHeight, 11, false);

    surface.Font(cells.numberSize, true);
    cells.numberHeight = surface.TextHeight();
    surface.Font(1, false);
    cells.lineSize = std::clamp((cells.height - 2 * MonthCellPad - cells.numberHeight - 2) / 3 / surface.TextHeight(),
                                4.0f, 10.0f);
    surface.Font(cells.lineSize, false);
    cells.lineHeight = surface.TextHeight();

    for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const GridCell place = CellOfDay({year, month, day});
        DrawMonthCell(surface, cells, left + cells.width * static_cast<float>(place.column),
                      gridTop + cells.height * static_cast<float>(place.row), {year, month, day}, restDays,
                      MyDayTitleOn(myDays, mine, {year, month, day}));
    }
    GridLines(surface, left, gridTop, cells.width, cells.height, 7, 6);
    // As on screen, the column lines cross the heading band too.
    surface.Line(left, headingTop, left + width, headingTop);
    for (std::int32_t i = 0; i <= 7; ++i) {
        const float x = left + cells.width * static_cast<float>(i);
        surface.Line(x, headingTop, x, gridTop);
    }

    surface.ForeColor(Black);
    const float columnWidth = width / listColumns;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const float x = left + columnWidth * static_cast<float>(i % listColumns);
        const float y = gridBottom + 12 + listLine * static_cast<float>(i / listColumns);
        PrintFitted(surface, x, y, entries[i], columnWidth - 8, listSize, 6);
    }
}

namespace {

constexpr float YearCellPad = 1.5f;

// One day of the year page. Where a solar term or 春节 takes the short line of a lunar
// month's first day, the month's name stands beside it, smaller where the cell needs it.
void DrawYearCell(PageSurface& surface, const CellSizes& cells, float x, float y, CivilDate civil,
                  const RestDays& restDays, bool mine)
{
    constexpr float pad = YearCellPad;
    const DayInPrint day = PrintDayNumber(surface, x + pad, y + pad, cells.numberSize, civil, restDays);
    PrintMarks(surface, day.off, mine, x + cells.width - pad, y + pad, cells.lineSize, x + pad + day.numberWidth + 1);
    surface.ForeColor(day.colour);
    const ShortLine line = ShortLineOfDay(day.date);
    const std::string text = line.monthStart.empty() ? line.text : line.text + " " + line.monthStart;
    PrintFitted(surface, x + pad, y + pad + day.numberHeight, text, cells.width - 2 * pad, cells.lineSize,
                std::min(cells.lineSize, line.monthStart.empty() ? 4.5f : 3.5f));
}

// One month of the year page: its name, the weekday heading and the days.
void DrawYearBlock(PageSurface& surface, float blockLeft, float blockTop, float blockWidth, float blockHeight,
                   std::int32_t year, std::int32_t month, const RestDays& restDays,
                   const std::vector<MyDayOnDate>& mine)
{
    const float cellWidth = blockWidth / 7;
    surface.ForeColor(Black);
    surface.Font(11, true);
    const std::string name = std::to_string(month) + "月";
    surface.Print(blockLeft + (blockWidth - surface.TextWidth(name)) / 2, blockTop, name);
    const float headingTop = blockTop + surface.TextHeight() + 2;
    surface.Font(7, false);
    const float headingHeight = surface.TextHeight() + 3;
    WeekdayHeading(surface, blockLeft, headingTop, cellWidth, headingHeight, 7, true);
    const float gridTop = headingTop + headingHeight;
    const float cellHeight = (blockTop + blockHeight - gridTop) / 6;

    surface.Font(1, false);
    const float unit = surface.TextHeight();
    const float inner = cellHeight - 2 * YearCellPad;
    const CellSizes cells{cellWidth, cellHeight, std::min(9.0f, inner * 0.55f / unit), 0, std::min(7.0f, inner * 0.42f / unit), 0};
    for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const GridCell place = CellOfDay({year, month, day});
        const bool marked = std::any_of(mine.begin(), mine.end(), [&](const MyDayOnDate& entry) {
            return entry.date == CivilDate{year, month, day};
        });
        DrawYearCell(surface, cells, blockLeft + cellWidth * static_cast<float>(place.column),
                     gridTop + cellHeight * static_cast<float>(place.row), {year, month, day}, restDays, marked);
    }
    GridLines(surface, blockLeft, gridTop, cellWidth, cellHeight, 7, 6);
}

}  // namespace

void DrawYearPage(PageSurface& surface, Paper paper, std::int32_t year, const RestDays& restDays,
                  const std::vector<MyDay>& myDays)
{
    const PageSize page = SizeOfPaper(paper, false);
    surface.NewPage(page.width, page.height);
    const float left = YearMargin;
    const float width = page.width - 2 * YearMargin;

    clsDate date;
    surface.ForeColor(Black);
    surface.Font(22, true);
    const std::string title = std::to_string(year) + "年 " + LunarYearName(date, year) + "年";
    surface.Print(left + (width - surface.TextWidth(title)) / 2, YearMargin, title);
    const float top = YearMargin + surface.TextHeight() + 10;

    surface.ForeColor(Black);
    const std::vector<MyDayOnDate> mine = MyDaysBetween(myDays, {year, 1, 1}, {year, 12, 31});
    std::string legend =
        "红：星期日、放假日　绿：星期六　休：放假　班：调休上班　日期下：节气、节日或农历日（初一为月名）";
    if (!mine.empty()) legend += "　" + MyDayMark() + "：我的日子";
    const Fitted legendText = FitText(surface, legend, width, 8, 5, false);
    const float legendHeight = surface.TextHeight();
    surface.Print(left, page.height - YearMargin - legendHeight, legendText.text);
    const float bottom = page.height - YearMargin - legendHeight - 8;

    constexpr std::int32_t blockColumns = 3;
    constexpr std::int32_t blockRows = 4;
    constexpr float gapX = 14;
    constexpr float gapY = 10;
    const float blockWidth = (width - gapX * (blockColumns - 1)) / blockColumns;
    const float blockHeight = (bottom - top - gapY * (blockRows - 1)) / blockRows;
    for (std::int32_t month = 1; month <= 12; ++month)
        DrawYearBlock(surface, left + (blockWidth + gapX) * static_cast<float>((month - 1) % blockColumns),
                      top + (blockHeight + gapY) * static_cast<float>((month - 1) / blockColumns), blockWidth,
                      blockHeight, year, month, restDays, mine);
}

}  // namespace dovrin
