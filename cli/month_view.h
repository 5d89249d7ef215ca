// The month grid for a terminal: Sunday first, a Gregorian line and a lunar line per day.
#pragma once

#include <string>

#include "calendar/date_serial.h"

namespace dovrin::cli {

// One month; today is highlighted when it falls in the month. color adds ANSI colours.
std::string RenderMonth(std::int32_t year, std::int32_t month, CivilDate today, bool color);

// The twelve months of a year, one under another.
std::string RenderYear(std::int32_t year, CivilDate today, bool color);

// What a day's lunar line shows: a lunar festival, a solar term, a Gregorian holiday,
// the lunar month on its first day, otherwise the lunar day name.
std::string LunarLine(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace dovrin::cli
