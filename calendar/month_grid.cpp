// Which cell of a month's grid holds which day.
#include "calendar/month_grid.h"

namespace dovrin {
namespace {

// Cells before the 1st: [0, 6].
std::int32_t Offset(std::int32_t year, std::int32_t month, std::int32_t firstWeekday)
{
    return (WeekdayOfDate(year, month, 1) - firstWeekday + GridColumns) % GridColumns;
}

}  // namespace

GridCell CellOfDay(CivilDate day, std::int32_t firstWeekday)
{
    const std::int32_t place = Offset(day.year, day.month, firstWeekday) + (day.day - 1);  // [0, 36]
    return {place / GridColumns, place % GridColumns};
}

std::int32_t DayInCell(std::int32_t year, std::int32_t month, GridCell cell, std::int32_t firstWeekday)
{
    const std::int32_t day = cell.row * GridColumns + cell.column - Offset(year, month, firstWeekday) + 1;
    return day >= 1 && day <= DaysInMonth(year, month) ? day : 0;
}

}  // namespace dovrin
