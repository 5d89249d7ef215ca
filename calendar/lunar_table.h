// Lunar years 1900-2100: one packed word per year, the year lengths and the days before each.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "calendar/span.h"

namespace dovrin {

inline constexpr std::size_t LunarYearCount = LastLunarYear - FirstLunarYear + 1;

// Bits 0-3 leap month (0 = none), bit 16-m month m big (30 days), bit 16 leap month big.
extern const std::array<std::int32_t, LunarYearCount> LunarInfo;
extern const std::array<std::int32_t, LunarYearCount> LunarYearDays;
// Days of the lunar years before each, from 1900; the last entry is the days of them all.
extern const std::array<std::int64_t, LunarYearCount + 1> LunarDaysBefore;
extern const std::array<std::int32_t, 32> BitMask;

// Lunar indexes (serial - LunarIndexEpoch) of the covered span: 1900-01-31 .. 2101-01-28.
inline constexpr std::int64_t FirstLunarIndex = 1;
inline constexpr std::int64_t LastLunarIndex = 73412;

}  // namespace dovrin
