// The printed month and year: a wall calendar laid out once for every output.
#pragma once

#include <cstdint>

#include "page/page_surface.h"
#include "resources/rest_days.h"

namespace dovrin {

enum class Paper { A4, Letter };

struct PageSize {
    float width = 0;  // points
    float height = 0;
};

// Portrait; landscape swaps the two.
PageSize SizeOfPaper(Paper paper, bool landscape);

// One landscape page: the month's grid, Sunday first, with the lunar days, holidays, solar
// terms and 休/班, and under it the list of the month's named days and days off.
void DrawMonthPage(PageSurface& surface, Paper paper, std::int32_t year, std::int32_t month,
                   const RestDays& restDays);

// One portrait page: the twelve months, each day with its number and one short line.
void DrawYearPage(PageSurface& surface, Paper paper, std::int32_t year, const RestDays& restDays);

}  // namespace dovrin
