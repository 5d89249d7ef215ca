// The system clock: today's local date from the C library.
#include "calendar/clock.h"

#include <ctime>

namespace dovrin {

CivilDate SystemClock::Today() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

const Clock& TheSystemClock()
{
    static const SystemClock clock;
    return clock;
}

}  // namespace dovrin
