// Lunar months from the new moons and the principal terms of the ephemeris.
#pragma once

#include <cstdint>
#include <vector>

namespace dovrin::ephemeris {

struct LunarMonth {
    std::int64_t newMoon = 0;  // Beijing seconds after serial 0
    std::int64_t first = 0;    // serial of its first day, the Beijing day holding the new moon
    bool principalTerm = false;
    std::int32_t year = 0;    // lunar year
    std::int32_t number = 0;  // [1, 12]
    bool leap = false;
};

struct PrincipalTerm {
    std::int64_t instant = 0;  // Beijing seconds after serial 0
    const char* name = "";
};

// The principal terms (the Sun at a multiple of 30°) of the Gregorian years, from 大寒 to 冬至.
std::vector<PrincipalTerm> PrincipalTerms(int firstYear, int lastYear);

// The months of the lunar years firstYear..lastYear and the first month of the year after,
// whose first day ends the last year. Numbered by the rules of GB/T 33661-2017: the month
// holding 冬至 is the 11th; in a year of 13 months from one such month to the next, the first
// month without a principal term is the leap month and takes the number of the month before.
// Throws std::runtime_error when a search of the ephemeris does not settle.
std::vector<LunarMonth> LunarMonths(int firstYear, int lastYear);

// The Beijing day (serial) of an instant in Beijing seconds.
std::int64_t DayOfInstant(std::int64_t beijingSeconds);

}  // namespace dovrin::ephemeris
