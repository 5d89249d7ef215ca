// The printed month and year: a wall calendar laid out once for every output.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/my_day_rules.h"
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
// terms, 休/班 and the marks and titles of the user's own days, and under it the list of the
// month's named days, days off and the user's days.
void DrawMonthPage(PageSurface& surface, Paper paper, std::int32_t year, std::int32_t month,
                   const RestDays& restDays, const std::vector<MyDay>& myDays = {});

// One portrait page: the twelve months, each day with its number and one short line, the
// user's own days marked.
void DrawYearPage(PageSurface& surface, Paper paper, std::int32_t year, const RestDays& restDays,
                  const std::vector<MyDay>& myDays = {});

}  // namespace dovrin
