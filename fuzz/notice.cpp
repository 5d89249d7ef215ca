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
    dovrin::CivilDate previous;
    for (const dovrin::RestDayLine& line : notice.lines) {
        if (line.date <= previous) std::abort();
        previous = line.date;
        if (line.kind == dovrin::DayOff::Work && !line.date.IsWeekend()) std::abort();
    }
    return 0;
}
