// The colour class of a day in a month view and the grid's colours, shared by the desktop
// grid, the printed pages and the terminal.
#pragma once

#include <cstdint>

#include "calendar/clsDate.h"
#include "calendar/date_serial.h"

namespace dovrin {

enum class DayTone { Plain, Sunday, Saturday, Today, RestDay };

// The weekend first, then today over it, and a rest day over both: a rest day that is
// today keeps the rest-day tone. `date` holds the day in question.
DayTone ToneOfDay(const clsDate& date, CivilDate today);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The month grid's colours, on screen and on paper.
namespace grid_colours {
inline constexpr Rgb White{255, 255, 255};
inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb Red{255, 0, 0};
inline constexpr Rgb Green{0, 128, 0};
inline constexpr Rgb Blue{0, 0, 255};
inline constexpr Rgb DarkGrey{96, 96, 96};  // 班
inline constexpr Rgb HeadingBand{236, 233, 216};
inline constexpr Rgb GridLine{182, 189, 210};
}  // namespace grid_colours

// The day text's colour for the tone: Sundays and rest days red, Saturdays green, today blue.
Rgb ColourOfTone(DayTone tone);

}  // namespace dovrin
