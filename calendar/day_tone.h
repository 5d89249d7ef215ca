// The colour class of a day in a month view, shared by the desktop grid and the terminal.
#pragma once

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace dovrin {

enum class DayTone { Plain, Sunday, Saturday, Today, RestDay };

// The weekend first, then today over it, and a rest day over both: a rest day that is
// today keeps the rest-day tone. `date` holds the day in question.
DayTone ToneOfDay(const clsDate& date, CivilDate today);

}  // namespace dovrin
