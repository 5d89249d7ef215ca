// Where "today" comes from: the system clock in the programs, a fixed day in tests.
#pragma once

#include "calendar/date_serial.h"

namespace dovrin {

// Abstract so that tests can pin the day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual CivilDate Today() const = 0;
};

// The local calendar date of the C library's clock.
class SystemClock final : public Clock {
public:
    CivilDate Today() const override;
};

// A day that stays where it is set.
class FixedClock final : public Clock {
public:
    explicit FixedClock(CivilDate day) : Day(day) {}
    CivilDate Today() const override { return Day; }
    CivilDate Day;
};

// The one system clock; it holds no state.
const Clock& TheSystemClock();

}  // namespace dovrin
