// The user's own days as iCalendar events, one a year, with their reminders as alarms.
#pragma once

#include <cstdint>
#include <vector>

#include "calendar/my_day_rules.h"
#include "ics.h"

namespace dovrin::cli {

// When a reminder falls, as its text begins: "今天", "明天", "3天后".
std::string RemindWhenText(std::int32_t daysBefore);

// Every day's dates in the Gregorian years fromYear to toYear, in the order of `days`. A
// day's UID holds the year and its title, so that an export made later updates the events
// a calendar imported before.
std::vector<CalendarEvent> MyDayEvents(const std::vector<MyDay>& days, std::int32_t fromYear, std::int32_t toYear);

}  // namespace dovrin::cli
