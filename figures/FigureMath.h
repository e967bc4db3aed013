#pragma once
// Checked conversions shared by the figure routines. Integer geometry is done
// in 64-bit (or, for products of three coordinates, 128-bit) intermediates;
// every value that becomes a coordinate, length or angle passes through here,
// so a result outside the 32-bit plane turns into "no answer" instead of a
// wrapped number.

#include "model/Rounding.h"

#include <QPoint>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace kel::figmath {

using Wide = __int128;

inline std::optional<int> Narrow(Wide value)
{
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

inline std::optional<QPoint> MakePoint(Wide x, Wide y)
{
    const std::optional<int> nx = Narrow(x);
    const std::optional<int> ny = Narrow(y);
    if (!nx || !ny)
        return std::nullopt;
    return QPoint(*nx, *ny);
}

inline std::optional<QPoint> RoundPoint(double x, double y)
{
    const std::optional<int> rx = RoundToInt(x);
    const std::optional<int> ry = RoundToInt(y);
    if (!rx || !ry)
        return std::nullopt;
    return QPoint(*rx, *ry);
}

// base + Round(delta): the offset is rounded on its own, as the routines
// define it, and the sum is checked.
inline std::optional<int> AddRounded(int base, double delta)
{
    const std::optional<int> d = RoundToInt(delta);
    if (!d)
        return std::nullopt;
    return Narrow(Wide{base} + *d);
}

inline std::optional<QPoint> OffsetRounded(QPoint base, double dx, double dy)
{
    const std::optional<int> x = AddRounded(base.x(), dx);
    const std::optional<int> y = AddRounded(base.y(), dy);
    if (!x || !y)
        return std::nullopt;
    return QPoint(*x, *y);
}

inline Wide WideSq(Wide v)
{
    return v * v;
}

// sqrt(n) rounded to the nearest integer, exact for every n below 2^64 (the
// double estimate alone is not, beyond 2^53). Never a tie: sqrt of an integer
// is not a half.
inline std::uint64_t RoundedSqrt(std::uint64_t n)
{
    auto s = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (s > 0 && (s > 0xFFFFFFFFu || s * s > n))
        --s;
    while (s < 0xFFFFFFFFu && (s + 1) * (s + 1) <= n)
        ++s;
    // sqrt(n) >= s + 1/2 exactly when n > s^2 + s.
    return n - s * s > s ? s + 1 : s;
}

} // namespace kel::figmath
