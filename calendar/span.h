// The days the calendar's tables cover, and the years a user can choose in the programs.
#pragma once

#include <cstdint>

#include "calendar/date_serial.h"

namespace dovrin {

// Gregorian days with a lunar date: lunar 1900-01-01 to the last day of lunar 2100. The
// published table runs to lunar 2049, the years after it are computed from the sky.
inline constexpr CivilDate FirstCoveredDay{1900, 1, 31};
inline constexpr CivilDate LastCoveredDay{2101, 1, 28};
inline constexpr std::int32_t FirstLunarYear = 1900;
inline constexpr std::int32_t LastLunarYear = 2100;

// The lunar table counts its days from serial 31 (1900-01-30), so the first covered day has
// index 1. A lunar index is not a date serial (see DayNumber in date_serial.h).
inline constexpr std::int64_t LunarIndexEpoch = 31;

// The whole Gregorian years inside the span: dovrin-cal's day text keeps to them.
inline constexpr std::int32_t FirstWholeYear = 1901;
inline constexpr std::int32_t LastWholeYear = 2100;

// The years the desktop program lets the user choose: those of the published table.
inline constexpr std::int32_t FirstWindowYear = 1901;
inline constexpr std::int32_t LastWindowYear = 2049;

}  // namespace dovrin
