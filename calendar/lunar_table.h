// Lunar years 1900-2049: one packed word per year and the year lengths.
#pragma once

#include <array>
#include <cstdint>

#include "calendar/span.h"

namespace dovrin {

// Bits 0-3 leap month (0 = none), bit 16-m month m big (30 days), bit 16 leap month big.
extern const std::array<std::int32_t, 150> LunarInfo;
extern const std::array<std::int32_t, 150> LunarYearDays;
extern const std::array<std::int32_t, 32> BitMask;

// Day numbers (serial - DayNumberEpoch) of the covered span: 1900-01-31 .. 2050-01-22.
inline constexpr std::int64_t FirstDayNumber = 1;
inline constexpr std::int64_t LastDayNumber = 54779;

}  // namespace dovrin
