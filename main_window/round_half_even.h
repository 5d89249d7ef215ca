// Rounding to the nearest whole number with halves going to the even neighbour.
#pragma once

#include <cmath>
#include <cstdint>

namespace dovrin {

// 72.5 gives 72, 73.5 gives 74, -2.5 gives -2: the rounding of the grid's cell origins
// and of the click arithmetic, so both agree on every cell edge.
inline std::int32_t RoundHalfEven(double value)
{
    double whole = std::floor(value);
    const double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
    return static_cast<std::int32_t>(whole);
}

}  // namespace dovrin
