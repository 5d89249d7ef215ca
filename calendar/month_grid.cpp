// Which cell of a month's grid holds which day.
#include "calendar/month_grid.h"

namespace dovrin {
namespace {

// Place of a day counted from the grid's first cell: [0, 36].
std::int32_t PlaceOfDay(CivilDate day)
{
    return (WeekdayOfDate(day.year, day.month, 1) - 1) + (day.day - 1);
}

}  // namespace

GridCell CellOfDay(CivilDate day)
{
    const std::int32_t place = PlaceOfDay(day);
    return {place / GridColumns, place % GridColumns};
}

std::int32_t DayInCell(std::int32_t year, std::int32_t month, GridCell cell)
{
    const std::int32_t day = cell.row * GridColumns + cell.column - (WeekdayOfDate(year, month, 1) - 1) + 1;
    return day >= 1 && day <= DaysInMonth(year, month) ? day : 0;
}

}  // namespace dovrin
