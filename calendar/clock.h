// Where "today" and "now" come from: the system clock in the programs, a fixed day in tests.
#pragma once

#include <cstdint>

#include "calendar/date_serial.h"

namespace dovrin {

// Abstract so that tests can pin the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
    // The instant as seconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t UtcSeconds() const = 0;
};

// The local calendar date of the C library's clock.
class SystemClock final : public Clock {
public:
    CivilDate Today() const override;
    std::int64_t UtcSeconds() const override;
};

// A day that stays where it is set, in a zone at UTC: its instant is Seconds into the day.
class FixedClock final : public Clock {
public:
    explicit FixedClock(CivilDate day, std::int64_t seconds = 0) : Day(day), Seconds(seconds) {}
    CivilDate Today() const override { return Day; }
    std::int64_t UtcSeconds() const override;
    CivilDate Day;
    std::int64_t Seconds;  // [0, 86399]
};

// The one system clock; it holds no state.
const Clock& TheSystemClock();

}  // namespace dovrin
