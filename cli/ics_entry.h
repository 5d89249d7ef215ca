// What dovrin-cal hands the iCalendar writer, which is kept in a module of its own
// (ics_module/) that only the exports load, so that the other commands of the terminal
// program start without libical and ICU. Its entry point takes plain data: the events are
// made in the program.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

struct DovrinIcsDate {
    std::int32_t year;
    std::int32_t month;
    std::int32_t day;
};

// A reminder on the display `daysBefore` days before the event's first day (0: on the day).
struct DovrinIcsAlarm {
    std::int32_t daysBefore;
    const char* description;
};

// An all-day event from `first` up to `end`, the day after its last.
struct DovrinIcsEvent {
    const char* uid;
    DovrinIcsDate first;
    DovrinIcsDate end;
    const char* summary;
    const char* const* categories;
    std::size_t categoryCount;
    const char* description;  // "" for none
    const DovrinIcsAlarm* alarms;
    std::size_t alarmCount;
};
}

namespace dovrin {

// The module's one entry point, looked up by this name: the VCALENDAR with VERSION, PRODID
// and CALSCALE, then the events, CR LF line ends; DTSTAMP is `utcSeconds` (since 1970-01-01
// 00:00 UTC) in UTC. The text is allocated with malloc, for the caller to free; null when
// memory ran out.
using IcsTextFunction = char* (*)(const DovrinIcsEvent* events, std::size_t count, std::int64_t utcSeconds,
                                  const char* prodid);
inline constexpr const char* IcsTextSymbol = "DovrinIcsText";

}  // namespace dovrin
