// dovrin-cal --table: every calendar fact of a day as one tab-separated line.
#pragma once

#include <string>
#include <vector>

#include "calendar/date_serial.h"
#include "calendar/my_day_rules.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

std::string TableHeader();

// Appends one line per day from `from` to `to`, both included; the last column holds the
// titles of the user's days of that date.
void AppendTableLines(std::string& out, CivilDate from, CivilDate to, const RestDays& restDays,
                      const std::vector<MyDay>& myDays = {});

}  // namespace dovrin::cli
