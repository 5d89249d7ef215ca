// The printed month and year: where every line, box and text of a page goes.
#include "page/pages.h"

#include <algorithm>
#include <string>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/locale_names.h"
#include "calendar/month_grid.h"
#include "calendar/utf8.h"
#include "info_window/named_days.h"

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
    const std::vector<std::string_view> characters = Utf8Characters(text);
    for (std::size_t keep = characters.size(); keep-- > 0;) {
        std::string cut;
        for (std::size_t i = 0; i < keep; ++i) cut += characters[i];
        cut += "…";
        if (surface.TextWidth(cut) <= width) return {cut, smallest};
    }
    return {"", smallest};
}

// Prints a fitted text at (x, y) in the current colour; the size it was fitted at stays set.
void PrintFitted(PageSurface& surface, float x, float y, const std::string& text, float width, float size,
                 float smallest, bool bold = false)
{
    const Fitted fitted = FitText(surface, text, width, size, smallest, bold);
    if (!fitted.text.empty()) surface.Print(x, y, fitted.text);
}

std::string LunarYearName(const clsDate& date, std::int32_t lunarYear)
{
    return date.GanZhi(lunarYear) + "(" + date.YearAttribute(lunarYear) + ")年";
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

void DayOffMark(PageSurface& surface, DayOff kind, float right, float y, float size, float leftLimit)
{
    if (kind == DayOff::None) return;
    const std::string mark = kind == DayOff::Rest ? "休" : "班";
    surface.Font(size, true);
    const float x = right - surface.TextWidth(mark);
    // Too narrow a cell leaves the mark out rather than print it over the day's number.
    if (x < leftLimit) return;
    surface.ForeColor(kind == DayOff::Rest ? Red : DarkGrey);
    surface.Print(x, y, mark);
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

std::string YearPageDayLine(CivilDate day)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    if (date.lDay() == 0) return {};  // outside the lunar table
    if (!date.lSolarTerm().empty()) return date.lSolarTerm();
    for (const std::string& names : {date.lHoliday(), date.sHoliday(), date.wHoliday()})
        for (const std::string& name : SplitAt(names, " "))
            if (!name.empty()) return name;
    if (date.lDay() == 1) return LunarMonthCustomName(date.lMonth(), date.IsLeap());
    return date.CDayStr(date.lDay());
}

namespace {

// The month's title at the left, the lunar months it spans at the right; the title's height.
float MonthTitle(PageSurface& surface, float left, float width, std::int32_t year, std::int32_t month)
{
    // The title names the lunar year the month ends in.
    clsDate date;
    date.sInitDate(year, month, DaysInMonth(year, month));
    const std::string title = std::to_string(year) + "年" + std::to_string(month) + "月 " +
                              (date.lYear() != 0 ? LunarYearName(date, date.lYear()) : "");
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
std::vector<std::string> MonthListEntries(std::int32_t year, std::int32_t month, const RestDays& restDays)
{
    std::vector<std::string> entries;
    for (const NamedDay& entry : ListOfMonth(year, month, NamedDaysOfMonth(year, month), restDays))
        entries.push_back(ListEntryText(entry, month));
    if (!restDays.Covers(year)) entries.push_back(std::to_string(year) + "年的放假安排尚未收录");
    return entries;
}

// Where the cells of a month page stand, and the sizes of their texts.
struct MonthCells {
    float cellWidth;
    float cellHeight;
    float numberHeight;
    float lineSize;
    float lineHeight;
};

constexpr float MonthCellPad = 5;

// Four lines a cell, as on screen: the day with its lunar day, then the Gregorian holidays,
// the lunar holidays and the solar term, an empty text keeping its line.
void DrawMonthCell(PageSurface& surface, const MonthCells& cells, float x, float y, CivilDate civil,
                   const RestDays& restDays)
{
    constexpr float pad = MonthCellPad;
    clsDate date;
    date.sInitDate(civil.year, civil.month, civil.day);
    const Rgb colour = ColourOfTone(ToneOfDay(date, NoDay));

    surface.ForeColor(colour);
    surface.Font(16, true);
    const std::string number = std::to_string(civil.day);
    surface.Print(x + pad, y + pad, number);
    const float lunarX = x + pad + surface.TextWidth(number) + 4;

    const DayOff off = restDays.Lookup(civil).kind;
    surface.Font(10, true);
    const float markWidth = off == DayOff::None ? 0 : surface.TextWidth("休") + 3;
    surface.ForeColor(colour);
    surface.Font(10, false);
    const float lunarY = y + pad + cells.numberHeight - surface.TextHeight();
    PrintFitted(surface, lunarX, lunarY, date.CDayStr(date.lDay()), x + cells.cellWidth - pad - markWidth - lunarX,
                10, 6);
    DayOffMark(surface, off, x + cells.cellWidth - pad, lunarY, 10, lunarX);

    surface.ForeColor(colour);
    float lineY = y + pad + cells.numberHeight + 2;
    for (const std::string& text : {date.sHoliday(), date.lHoliday(), date.lSolarTerm()}) {
        PrintFitted(surface, x + pad, lineY, text, cells.cellWidth - 2 * pad, cells.lineSize,
                    std::min(cells.lineSize, 5.0f));
        lineY += cells.lineHeight;
    }
}

}  // namespace

void DrawMonthPage(PageSurface& surface, Paper paper, std::int32_t year, std::int32_t month,
                   const RestDays& restDays)
{
    const PageSize page = SizeOfPaper(paper, true);
    surface.NewPage(page.width, page.height);
    const float left = MonthMargin;
    const float width = page.width - 2 * MonthMargin;
    const float titleHeight = MonthTitle(surface, left, width, year, month);

    // The list under the grid, three entries to a line in reading order.
    const std::vector<std::string> entries = MonthListEntries(year, month, restDays);
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
    MonthCells cells{width / 7, (gridBottom - gridTop) / 6, 0, 0, 0};

    WeekdayHeading(surface, left, headingTop, cells.cellWidth, headingHeight, 11, false);

    surface.Font(16, true);
    cells.numberHeight = surface.TextHeight();
    surface.Font(1, false);
    cells.lineSize = std::clamp((cells.cellHeight - 2 * MonthCellPad - cells.numberHeight - 2) / 3 / surface.TextHeight(),
                                4.0f, 10.0f);
    surface.Font(cells.lineSize, false);
    cells.lineHeight = surface.TextHeight();

    for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const GridCell place = CellOfDay({year, month, day});
        DrawMonthCell(surface, cells, left + cells.cellWidth * static_cast<float>(place.column),
                      gridTop + cells.cellHeight * static_cast<float>(place.row), {year, month, day}, restDays);
    }
    GridLines(surface, left, gridTop, cells.cellWidth, cells.cellHeight, 7, 6);
    // As on screen, the column lines cross the heading band too.
    surface.Line(left, headingTop, left + width, headingTop);
    for (std::int32_t i = 0; i <= 7; ++i) {
        const float x = left + cells.cellWidth * static_cast<float>(i);
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

// One month of the year page: its name, the weekday heading and the days, each with its
// number over one short line.
void DrawYearBlock(PageSurface& surface, float blockLeft, float blockTop, float blockWidth, float blockHeight,
                   std::int32_t year, std::int32_t month, const RestDays& restDays)
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

    constexpr float pad = 1.5f;
    surface.Font(1, false);
    const float unit = surface.TextHeight();
    // The number over the short line, both sized to the cell.
    const float numberSize = std::min(9.0f, (cellHeight - 2 * pad) * 0.55f / unit);
    const float lineSize = std::min(7.0f, (cellHeight - 2 * pad) * 0.42f / unit);
    clsDate date;
    for (std::int32_t day = 1; day <= DaysInMonth(year, month); ++day) {
        const CivilDate civil{year, month, day};
        const GridCell place = CellOfDay(civil);
        const float x = blockLeft + cellWidth * static_cast<float>(place.column);
        const float y = gridTop + cellHeight * static_cast<float>(place.row);
        date.sInitDate(year, month, day);
        const Rgb colour = ColourOfTone(ToneOfDay(date, NoDay));
        surface.ForeColor(colour);
        surface.Font(numberSize, true);
        const std::string number = std::to_string(day);
        surface.Print(x + pad, y + pad, number);
        const float numberHeight = surface.TextHeight();
        DayOffMark(surface, restDays.Lookup(civil).kind, x + cellWidth - pad, y + pad, lineSize,
                   x + pad + surface.TextWidth(number) + 1);
        surface.ForeColor(colour);
        PrintFitted(surface, x + pad, y + pad + numberHeight, YearPageDayLine(civil), cellWidth - 2 * pad, lineSize,
                    std::min(lineSize, 4.5f));
    }
    GridLines(surface, blockLeft, gridTop, cellWidth, cellHeight, 7, 6);
}

}  // namespace

void DrawYearPage(PageSurface& surface, Paper paper, std::int32_t year, const RestDays& restDays)
{
    const PageSize page = SizeOfPaper(paper, false);
    surface.NewPage(page.width, page.height);
    const float left = YearMargin;
    const float width = page.width - 2 * YearMargin;

    clsDate date;
    surface.ForeColor(Black);
    surface.Font(22, true);
    const std::string title = std::to_string(year) + "年 " + LunarYearName(date, year);
    surface.Print(left + (width - surface.TextWidth(title)) / 2, YearMargin, title);
    const float top = YearMargin + surface.TextHeight() + 10;

    surface.ForeColor(Black);
    const std::string legend =
        "红：星期日、放假日　绿：星期六　休：放假　班：调休上班　日期下：节气、节日或农历日（初一为月名）";
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
                      blockHeight, year, month, restDays);
}

}  // namespace dovrin
