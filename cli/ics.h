// iCalendar (RFC 5545) export: the holidays and solar terms, and lunar anniversaries, as
// all-day events that calendar programs import.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/date_serial.h"
#include "resources/rest_days.h"

namespace dovrin::cli {

// A reminder on the display `daysBefore` days before an event's first day (0: on the day).
struct CalendarAlarm {
    std::int32_t daysBefore = 0;
    std::string description;
};

// One all-day event from `first` to `last`, both included.
struct CalendarEvent {
    std::string uid;  // stable: the same event gets the same UID in every export
    CivilDate first;
    CivilDate last;
    std::string summary;
    std::vector<std::string> categories;
    std::string description;
    std::vector<CalendarAlarm> alarms;  // written after the event's own properties
};

// The whole file into `out`, CR LF line ends. DTSTAMP, the time the file was made, is
// `utcSeconds` (since 1970-01-01 00:00 UTC) written in UTC. Returns the exit status: 0, or 1
// with a line added to `err` when the iCalendar output cannot be loaded or the text made.
int WriteIcs(const std::vector<CalendarEvent>& events, std::int64_t utcSeconds, std::string_view name,
             std::string& out, std::string& err);

// An event for every named day (holidays, 除夕 and solar terms) from first to last.
std::vector<CalendarEvent> NamedDayEvents(CivilDate first, CivilDate last);

// The official holiday periods ("国庆节 放假", each one event over its days) and make-up
// working days ("上班（国庆节调休）") that touch first..last.
std::vector<CalendarEvent> DaysOffEvents(CivilDate first, CivilDate last, const RestDays& restDays);

// One event a lunar year from fromYear to toYear on lunar month `month`, day `day` (of the
// leap month when `leap`). Day 30 in a month of 29 days falls on the month's last day; a
// leap-month date in a year without that leap month falls on the ordinary month.
struct LunarAnniversary {
    std::int32_t month = 1;
    std::int32_t day = 1;
    bool leap = false;
    std::string summary;
    std::int32_t fromYear = 0;
    std::int32_t toYear = 0;
};
std::vector<CalendarEvent> LunarAnniversaryEvents(const LunarAnniversary& anniversary);

// 16 hex digits (64-bit FNV-1a) of the text: an ASCII-safe stand-in for a name in a UID.
std::string TextKey(std::string_view text);

}  // namespace dovrin::cli
