// The days of a month in the grid, and each cell's whole text.
#include "main_window/day_cells.h"

#include "calendar/clsDate.h"
#include "calendar/day_look.h"
#include "calendar/locale_names.h"
#include "calendar/named_days.h"
#include "main_window/round_half_even.h"

namespace dovrin {
namespace {

std::string TextOf(const clsDate& date, CivilDate day, const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    std::string text = ChineseDate(day.year, day.month, day.day) + " " + date.sWeekDayStr() + "，农历" +
                       LunarMonthName(date.lMonth(), date.IsLeap()) + date.CDayStr(date.lDay());
    // Appended piece by piece: g++ 12 warns of a false overlap in "，" + part.
    // Of the almanac, only the seasonal counts the day begins: the rest would be too much to
    // hear on every move.
    for (const std::string& part : {date.sHoliday(), date.lHoliday(), date.lSolarTerm(), SeasonalNamesOfDay(day)}) {
        if (part.empty()) continue;
        text += "，";
        text += part;
    }
    const RestDayInfo off = restDays.Lookup(day);
    if (off.kind != DayOff::None) {
        text += "，";
        text += DayOffMark(off.kind);
        if (!off.holiday.empty()) {
            text += "（";
            text += off.holiday;
            text += "）";
        }
    }
    const std::string mine = MyDaysSectionText(myDays, MyDaysBetween(myDays, day, day));
    if (!mine.empty()) {
        text += "，";
        text += mine;
    }
    return text;
}

}  // namespace

CellBox DayCellBox(GridCell cell, float cellWidth, float cellHeight, float headingTextHeight)
{
    // 16-bit, as the grid computes them.
    const auto left = static_cast<std::int16_t>(RoundHalfEven(static_cast<float>(cell.column) * cellWidth + 1));
    const auto top = static_cast<std::int16_t>(
        RoundHalfEven(static_cast<float>(cell.row) * cellHeight + (headingTextHeight + 5 + 1)));
    return {static_cast<float>(left), static_cast<float>(top), cellWidth, cellHeight};
}

std::string DayCellText(CivilDate day, const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    return TextOf(date, day, restDays, myDays);
}

std::string DayCellTip(CivilDate day, const RestDays& restDays, const std::vector<MyDay>& myDays)
{
    clsDate date;
    date.sInitDate(day.year, day.month, day.day);
    std::string tip = TextOf(date, day, restDays, myDays);
    const std::string instant = date.lSolarTermTime();
    if (!instant.empty()) {
        tip += "\n";
        tip += date.lSolarTerm();
        tip += "：";
        tip += instant;
        tip += "（北京时间）";
    }
    return tip;
}

}  // namespace dovrin
