// The days of a month in the grid: which cell holds which day, where the cell is painted,
// and the cell's whole text as one sentence for the tooltip and the screen reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"
#include "calendar/month_grid.h"
#include "resources/rest_days.h"

namespace dovrin {

// A painted cell in the surface's pixels.
struct CellBox {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
};

// The cell's corner is rounded half to even to whole pixels, as the grid draws it;
// headingTextHeight is the height of one line of the weekday heading.
CellBox DayCellBox(GridCell cell, float cellWidth, float cellHeight, float headingTextHeight);

// What the cell shows, with its month and weekday, in reading order:
// "2026年2月16日 星期一，农历十二月廿九，除夕，休（春节）". A 休 or 班 that the cell has
// no room to draw is still said. The user's own days on it (of `myDays`) follow whole:
// "…，农历八月十五，中秋节，我的日子：妈妈生日（农历八月十五，六十六岁）".
std::string DayCellText(CivilDate day, const RestDays& restDays, const std::vector<MyDay>& myDays = {});

// DayCellText, and on a day that begins a solar term a second line with the term's
// instant in Beijing time.
std::string DayCellTip(CivilDate day, const RestDays& restDays, const std::vector<MyDay>& myDays = {});

}  // namespace dovrin
