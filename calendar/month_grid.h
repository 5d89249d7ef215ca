// Which cell of a month's grid of six weeks, Sunday first, holds which day.
#pragma once

#include <cstdint>

#include "calendar/date_serial.h"

namespace dovrin {

inline constexpr std::int32_t GridRows = 6;
inline constexpr std::int32_t GridColumns = 7;  // Sunday first

struct GridCell {
    std::int32_t row = 0;     // [0, 5]
    std::int32_t column = 0;  // [0, 6]
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The cell of a day of its month, in a grid whose weeks start on `firstWeekday` (1 = Sunday,
// 2 = Monday).
GridCell CellOfDay(CivilDate day, std::int32_t firstWeekday = 1);
// The day of year-month in that cell; 0 for a cell before the 1st or after the month's end.
std::int32_t DayInCell(std::int32_t year, std::int32_t month, GridCell cell, std::int32_t firstWeekday = 1);

}  // namespace dovrin
