// The month grids for a terminal: a Gregorian line and a lunar line per day, the list of the
// month's named days under each grid, and the months side by side as far as the width allows.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

struct GridStyle {
    bool mondayFirst = false;  // weeks start on Sunday otherwise
    bool color = false;        // ANSI colours: Sundays and rest days red, Saturdays green, today blue
    bool markToday = false;    // today in reverse video
    std::size_t columns = 80;  // the width the months are laid out in
};

// `count` months from year-month on. Today is marked when it falls in one of them; the
// official days off and working days of `restDays` are marked in the cells and listed; the
// user's own days `myDays` are marked (in cyan where there is colour), named on the lunar line
// where they outrank its name, and listed.
std::string RenderMonths(std::int32_t year, std::int32_t month, std::int32_t count, CivilDate today,
                         const GridStyle& style, const RestDays& restDays, const std::vector<MyDay>& myDays = {});

// What a day's lunar line shows, cut to the cell with "…" when the name is longer: the first
// named day (a lunar festival, a solar term, a Gregorian or week-based holiday), the lunar
// month on its first day, otherwise the lunar day name.
std::string LunarLine(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace dovrin::cli
