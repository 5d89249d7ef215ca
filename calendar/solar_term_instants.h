// Solar-term instants 1900-2101 in Beijing time, computed at build time from an ephemeris.
#pragma once

#include <array>
#include <cstdint>

namespace dovrin {

inline constexpr std::int32_t FirstSolarTermYear = 1900;
inline constexpr std::int32_t LastSolarTermYear = 2101;

// Seconds after serial 0 (1899-12-30 00:00) in Beijing time (UTC+8), rounded to the second:
// 24 a year from 小寒 to 冬至, ascending. Written by tools/solar_term_table.
extern const std::array<std::int64_t, (LastSolarTermYear - FirstSolarTermYear + 1) * 24> SolarTermInstants;

}  // namespace dovrin
