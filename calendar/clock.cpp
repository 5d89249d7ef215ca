// The clocks: today's local date and the UTC instant from the C library, or fixed ones.
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

std::int64_t SystemClock::UtcSeconds() const
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

std::int64_t FixedClock::UtcSeconds() const
{
    return (Day - CivilDate{1970, 1, 1}) * 86400 + Seconds;
}

const Clock& TheSystemClock()
{
    static const SystemClock clock;
    return clock;
}

}  // namespace dovrin
