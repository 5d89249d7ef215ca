// Days off and working days in the JSON files many users keep, one a year (holiday-cn's
// YYYY.json): {"year": 2027, "days": [{"name": "元旦", "date": "2027-01-01", "isOffDay": true}, …]}.
#pragma once

#include <string_view>

#include "resources/rest_day_lines.h"

namespace dovrin {

// Each day of "days" becomes a line, isOffDay true 休 and false 班, with the checks of
// ParseRestDayLines; a refused day is reported as "NAME:LINE: what is wrong" with the line its
// entry begins on. Text that is no JSON, or has no "days" list, gives one error and no lines.
RestDayLines ParseRestDayJson(std::string_view text, std::string_view name);

}  // namespace dovrin
