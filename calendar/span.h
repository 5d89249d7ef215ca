// The days the calendar's tables cover, and the years a user can choose in the programs.
#pragma once

#include <cstdint>

#include "calendar/date_serial.h"

namespace dovrin {

// Gregorian days with a lunar date: lunar 1900-01-01 to the last day of lunar 2049.
inline constexpr CivilDate FirstCoveredDay{1900, 1, 31};
inline constexpr CivilDate LastCoveredDay{2050, 1, 22};
inline constexpr std::int32_t FirstLunarYear = 1900;
inline constexpr std::int32_t LastLunarYear = 2049;

// Day numbers count the days from serial 31 (1900-01-30), so the first covered day is 1.
inline constexpr std::int64_t DayNumberEpoch = 31;

// The whole Gregorian years inside the span: the windows and the day text keep to them.
inline constexpr std::int32_t FirstWholeYear = 1901;
inline constexpr std::int32_t LastWholeYear = 2049;

}  // namespace dovrin
