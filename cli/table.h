// dovrin-cal --table: every calendar fact of a day as one tab-separated line.
#pragma once

#include <string>

#include "calendar/date_serial.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

std::string TableHeader();

// Appends one line per day from `from` to `to`, both included.
void AppendTableLines(std::string& out, CivilDate from, CivilDate to, const RestDays& restDays);

}  // namespace dovrin::cli
