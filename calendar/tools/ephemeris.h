// The Sun and the Moon from libnova, as the calendar's generated tables need them.
#pragma once

#include <cstdint>

namespace dovrin::ephemeris {

// ΔT = TT - UT1 in seconds at a decimal year (observed through 2025, predicted after).
double DeltaT(double year);

// Julian Ephemeris Day of term k (0 = 小寒 ... 23 = 冬至) of a Gregorian year: the Sun's
// apparent geocentric ecliptic longitude of date reaches 285 + 15k degrees. NaN if the search
// does not settle.
double SolarTermJde(int year, int k);

// Julian Ephemeris Day of the new moon (the Moon's apparent longitude equal to the Sun's)
// nearest the guess, which should lie within a week of it. NaN if the search does not settle.
double NewMoonJde(double guess);

// A Julian Ephemeris Day as seconds after serial 0 (1899-12-30 00:00) in Beijing time
// (UTC+8), rounded to the second.
std::int64_t BeijingSeconds(double jde);

}  // namespace dovrin::ephemeris
