// A clock fixed at a day the test chooses, and a printable year-month-day to compare selections.
#pragma once

#include <ostream>

#include "calendar/clock.h"

namespace dovrin::test {

struct Ymd {
    int year, month, day;
    friend bool operator==(const Ymd&, const Ymd&) = default;
};
inline std::ostream& operator<<(std::ostream& out, const Ymd& d)
{
    return out << d.year << "-" << d.month << "-" << d.day;
}

}  // namespace dovrin::test
