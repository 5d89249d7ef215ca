// The yearly holiday notice reader on any text: lines only without errors, in date order, 班
// only on a Saturday or Sunday.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "calendar/date_serial.h"
#include "resources/notice.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const dovrin::Notice notice = dovrin::ParseNotice(text, 0);
    if (!notice.errors.empty() && !notice.lines.empty()) std::abort();
    std::int64_t previous = 0;
    for (const dovrin::RestDayLine& line : notice.lines) {
        const std::int64_t day = dovrin::DayNumber(line.date.year, line.date.month, line.date.day);
        if (day <= previous) std::abort();
        previous = day;
        const std::int32_t weekday = dovrin::WeekdayOfDate(line.date.year, line.date.month, line.date.day);
        if (line.kind == dovrin::DayOff::Work && weekday != 1 && weekday != 7) std::abort();
    }
    return 0;
}
