// The month grids for a terminal.
#include "month_view.h"

#include <algorithm>
#include <vector>

#include "calendar/clsDate.h"
#include "calendar/day_look.h"
#include "calendar/locale_names.h"
#include "calendar/month_grid.h"
#include "calendar/named_days.h"
#include "calendar/utf8.h"

namespace dovrin::cli {
namespace {

// A cell holds the lunar line, or the day number (right-aligned in NumberWidth) with room for a
// one-character mark (休, 班) after it. Cells keep one blank column between them.
constexpr std::size_t NumberWidth = 2;
constexpr std::size_t CellGap = 1;
constexpr std::size_t BlockGap = 3;
constexpr std::int32_t WeeksInFullGrid = 6;

// Two Chinese characters a cell where months stand side by side, four where a month has the
// width to itself.
struct Layout {
    std::size_t cellWidth;
    std::size_t BlockWidth() const { return 7 * cellWidth + 6 * CellGap; }
    // The list of named days has two entries to a line where they fit; the second starts here.
    std::size_t ListSecondColumn() const { return BlockWidth() / 2 + 1; }
    std::size_t ListEntryWidth() const { return BlockWidth() - ListSecondColumn(); }
    // How many month blocks stand side by side in `columns`.
    std::size_t PerRow(std::size_t columns) const
    {
        return std::max<std::size_t>(1, (columns + BlockGap) / (BlockWidth() + BlockGap));
    }
};
constexpr Layout Narrow{4};
constexpr Layout Wide{8};

constexpr const char* Red = "\x1b[31m";
constexpr const char* Green = "\x1b[32m";
constexpr const char* Blue = "\x1b[34m";
constexpr const char* Cyan = "\x1b[36m";  // the mark of the user's own days
constexpr const char* TodayInColor = "\x1b[1;7m";  // bold, reverse video
constexpr const char* TodayPlain = "\x1b[7m";      // reverse video
constexpr const char* Reset = "\x1b[0m";

// One line of a month block; `width` is its display width without the escape codes.
struct Line {
    std::string text;
    std::size_t width = 0;
};
using Block = std::vector<Line>;

std::string Padded(std::string text, std::size_t width)
{
    const std::size_t used = DisplayWidth(text);
    if (used < width) text.append(width - used, ' ');
    return text;
}

// The day's short line in the cell's columns, a lunar month's name in two characters.
std::string CellText(const clsDate& date, std::size_t width, const std::string& myDayTitle = {})
{
    const ShortLine line = ShortLineOfDay(date, myDayTitle);
    if (date.lDay() == 1 && line.monthStart.empty()) return LunarMonthShortName(date.lMonth(), date.IsLeap());
    return Elided(line.text, static_cast<float>(width),
                  [](std::string_view part) { return static_cast<float>(DisplayWidth(part)); });
}

const char* DayColor(const clsDate& date, CivilDate today, DayOff off)
{
    switch (ToneOfDay(date, today, off)) {
    case DayTone::Sunday:
    case DayTone::FlaggedHoliday:
    case DayTone::OfficialDayOff: return Red;
    case DayTone::Saturday: return Green;
    case DayTone::Today: return Blue;
    case DayTone::Plain: break;
    }
    return nullptr;
}

std::string Paint(const std::string& cell, const char* color, bool isToday, const GridStyle& style)
{
    std::string start;
    if (isToday && style.markToday) start = style.color ? TodayInColor : TodayPlain;
    if (color && style.color) start += color;
    return start.empty() ? cell : start + cell + Reset;
}

// The day's number with its 休 or 班, and the user's day mark after them where the cell has
// the room, in the cell's columns.
std::string NumberCell(std::int32_t day, DayOff off, bool mine, const char* color, bool isToday,
                       const GridStyle& style, std::size_t width)
{
    const std::string number = std::to_string(day);
    const std::string text = std::string(NumberWidth - number.size(), ' ') + number + DayOffMark(off);
    const std::string mark = MyDayMark();
    const std::size_t used = DisplayWidth(text) + DisplayWidth(mark);
    if (!mine || used > width) return Paint(Padded(text, width), color, isToday, style);
    const std::string padding(width - used, ' ');
    if (!style.color) return Paint(text + mark + padding, color, isToday, style);
    return Paint(text, color, isToday, style) + Paint(mark, Cyan, isToday, style) +
           Paint(padding, nullptr, isToday, style);
}

// The month's named days, two to a line where both fit, a long one on a line of its own.
// The text in lines of at most `width` columns, broken at a space where it can be, else
// between two characters.
std::vector<std::string> Wrapped(std::string_view text, std::size_t width)
{
    std::vector<std::string> lines;
    std::string line;
    std::size_t lastBreak = 0;  // bytes of `line` before the last place to break; 0: none
    for (std::string_view character : Utf8Characters(text)) {
        if (DisplayWidth(line) + DisplayWidth(character) > width && !line.empty()) {
            const std::size_t at = lastBreak ? lastBreak : line.size();
            std::string rest = line.substr(at);
            line.resize(at);
            while (!line.empty() && line.back() == ' ') line.pop_back();
            lines.push_back(line);
            line = rest;
            lastBreak = 0;
        }
        if (character == " " && line.empty()) continue;
        line += character;
        if (character == " ") lastBreak = line.size();
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

void AppendList(Block& block, const std::vector<NamedDay>& named, std::int32_t month, const Layout& layout)
{
    std::string pending;
    const auto flush = [&] {
        if (!pending.empty()) block.push_back({pending, DisplayWidth(pending)});
        pending.clear();
    };
    for (const NamedDay& entry : named) {
        const std::string text = ListEntryText(entry, month);
        const std::size_t width = DisplayWidth(text);
        if (!pending.empty() && width <= layout.ListEntryWidth()) {
            block.push_back({Padded(pending, layout.ListSecondColumn()) + text, layout.ListSecondColumn() + width});
            pending.clear();
            continue;
        }
        flush();
        if (width <= layout.ListEntryWidth()) {
            pending = text;
            continue;
        }
        // Wider than half the block: on a line of its own, cut into pieces that fit.
        std::string piece;
        for (std::string_view character : Utf8Characters(text)) {
            if (DisplayWidth(piece) + DisplayWidth(character) > layout.BlockWidth()) {
                block.push_back({piece, DisplayWidth(piece)});
                piece.clear();
            }
            piece += character;
        }
        block.push_back({piece, DisplayWidth(piece)});
    }
    flush();
}

// The hint that the year's days off are not known, on a line of its own where the block is
// too narrow for both, broken at its spaces where it is too narrow for the hint.
void AppendMissingYear(Block& block, std::int32_t year, const Layout& layout)
{
    const std::string missing = std::to_string(year) + "年的放假安排尚未收录";
    const std::string hint = "（可用 dovrin-cal --import-notice 导入）";
    const std::size_t width = layout.BlockWidth();
    const std::vector<std::string> lines = DisplayWidth(missing) + DisplayWidth(hint) <= width
                                               ? std::vector<std::string>{missing + hint}
                                           : DisplayWidth(hint) <= width ? std::vector<std::string>{missing, hint}
                                                                         : Wrapped(missing + hint, width);
    for (const std::string& line : lines) block.push_back({line, DisplayWidth(line)});
}

// The weekday names over the columns, Sunday red and Saturday green.
Line Heading(std::int32_t firstWeekday, const GridStyle& style, const Layout& layout)
{
    Line heading;
    for (std::int32_t column = 0; column < 7; ++column) {
        const std::int32_t weekday = (firstWeekday - 1 + column) % 7 + 1;
        const char* color = weekday == 1 ? Red : weekday == 7 ? Green : nullptr;
        if (column > 0) heading.text += std::string(CellGap, ' ');
        heading.text += Paint(Padded(ShortWeekdayName(weekday), layout.cellWidth), color, false, style);
    }
    heading.width = layout.BlockWidth();
    return heading;
}

Block MonthBlock(std::int32_t year, std::int32_t month, CivilDate today, const GridStyle& style, bool fullGrid,
                 const Layout& layout, const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    Block block;
    const std::string heading = Centred(MonthTitle(year, month), layout.BlockWidth());
    block.push_back({heading, DisplayWidth(heading)});

    const std::int32_t firstWeekday = style.mondayFirst ? 2 : 1;  // 1 = Sunday
    block.push_back(Heading(firstWeekday, style, layout));

    const std::int32_t days = DaysInMonth(year, month);
    const std::vector<MyDayOnDate> mine = MyDaysBetween(myDays, {year, month, 1}, {year, month, days});
    const std::int32_t rows = fullGrid ? WeeksInFullGrid : CellOfDay({year, month, days}, firstWeekday).row + 1;
    clsDate date;
    for (std::int32_t row = 0; row < rows; ++row) {
        Line numbers{{}, layout.BlockWidth()}, lunar{{}, layout.BlockWidth()};
        for (std::int32_t column = 0; column < 7; ++column) {
            if (column > 0) {
                numbers.text += std::string(CellGap, ' ');
                lunar.text += std::string(CellGap, ' ');
            }
            const std::int32_t day = DayInCell(year, month, {row, column}, firstWeekday);
            if (day == 0) {
                numbers.text += std::string(layout.cellWidth, ' ');
                lunar.text += std::string(layout.cellWidth, ' ');
                continue;
            }
            date.sInitDate(year, month, day);
            const CivilDate civil{year, month, day};
            const DayOff off = restDays.Lookup(civil).kind;
            const char* color = DayColor(date, today, off);
            const bool isToday = civil == today;
            const std::string title = MyDayTitleOn(myDays, mine, civil);
            numbers.text += NumberCell(day, off, !title.empty(), color, isToday, style, layout.cellWidth);
            lunar.text +=
                Paint(Padded(CellText(date, layout.cellWidth, title), layout.cellWidth), color, isToday, style);
        }
        block.push_back(numbers);
        block.push_back(lunar);
    }
    const std::vector<RestDayPeriod> daysOff = restDays.Periods({year, month, 1}, {year, month, days});
    AppendList(block, ListOfMonth(NamedDaysOfMonth(year, month), daysOff, MyDayEntries(myDays, mine)), month, layout);
    if (!restDays.Covers(year)) AppendMissingYear(block, year, layout);
    return block;
}

void TrimRight(std::string& line)
{
    while (!line.empty() && line.back() == ' ') line.pop_back();
}

}  // namespace

std::string LunarLine(std::int32_t year, std::int32_t month, std::int32_t day)
{
    clsDate date;
    date.sInitDate(year, month, day);
    return CellText(date, Narrow.cellWidth);
}

std::string RenderMonths(std::int32_t year, std::int32_t month, std::int32_t count, CivilDate today,
                         const GridStyle& style, const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    // Wide cells where they put as many months side by side as narrow ones would.
    const std::size_t wanted = std::min(static_cast<std::size_t>(std::max(count, 1)), Narrow.PerRow(style.columns));
    const Layout& layout = Wide.PerRow(style.columns) >= wanted ? Wide : Narrow;
    const std::size_t perRow = layout.PerRow(style.columns);
    // Side by side, the grids are all six weeks high so that the lists below them line up.
    const bool fullGrids = count > 1 && perRow > 1;
    std::vector<Block> blocks;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::int32_t index = year * 12 + month - 1 + i;
        blocks.push_back(MonthBlock(index / 12, index % 12 + 1, today, style, fullGrids, layout, restDays, myDays));
    }

    std::string out;
    for (std::size_t first = 0; first < blocks.size(); first += perRow) {
        if (first > 0) out += "\n";
        const std::size_t last = std::min(blocks.size(), first + perRow);
        std::size_t height = 0;
        for (std::size_t b = first; b < last; ++b) height = std::max(height, blocks[b].size());
        for (std::size_t row = 0; row < height; ++row) {
            std::string line;
            for (std::size_t b = first; b < last; ++b) {
                if (b > first) line += std::string(BlockGap, ' ');
                const Line part = row < blocks[b].size() ? blocks[b][row] : Line{};
                line += part.text;
                if (part.width < layout.BlockWidth()) line.append(layout.BlockWidth() - part.width, ' ');
            }
            TrimRight(line);
            out += line + "\n";
        }
    }
    return out;
}

}  // namespace dovrin::cli
