#pragma once
// Rounding to whole pixels for the raster's files.

#include <algorithm>
#include <climits>
#include <cmath>

namespace kel::raster {

// std::ceil and std::floor are library calls on plain x86-64. The raster
// only ever rounds values well inside the int range (far shapes are clipped
// first), where these give the same whole numbers.
inline int Ceil(double v)
{
    const int whole = static_cast<int>(v); // towards zero
    return whole + (whole < v ? 1 : 0);
}

inline int Floor(double v)
{
    const int whole = static_cast<int>(v);
    return whole - (whole > v ? 1 : 0);
}

// Half away from zero, as std::lround, without the library call where the
// value fits an int easily.
inline int Round(double v)
{
    if (!(std::abs(v) < 1e9))
        return static_cast<int>(std::clamp<long>(std::lround(v), INT_MIN, INT_MAX));
    const int whole = static_cast<int>(v);
    const double fraction = v - whole;
    return whole + (fraction >= 0.5 ? 1 : fraction <= -0.5 ? -1 : 0);
}

} // namespace kel::raster
