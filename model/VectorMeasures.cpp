#include "model/VectorMeasures.h"

#include "model/Rounding.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace kel {

namespace {

// Largest s with s * s <= n.
std::uint64_t FloorSqrt(std::uint64_t n)
{
    // The double estimate is off by a few units at most for 64-bit n; step to
    // the exact value.
    auto s = static_cast<std::uint64_t>(std::sqrt(static_cast<double>(n)));
    while (s > 0 && s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return s;
}

double RoundedLengthF(double dx, double dy)
{
    return std::rint(std::sqrt(dx * dx + dy * dy));
}

} // namespace

std::optional<int> VectorLength(std::int64_t dx, std::int64_t dy)
{
    // A component beyond 2^31 makes the length exceed every int; below that
    // both squares fit, and their sum stays within 2^63 unsigned.
    constexpr std::int64_t kLimit = std::int64_t{1} << 31;
    if (dx < -kLimit || dx > kLimit || dy < -kLimit || dy > kLimit)
        return std::nullopt;
    const auto ux = static_cast<std::uint64_t>(dx < 0 ? -dx : dx);
    const auto uy = static_cast<std::uint64_t>(dy < 0 ? -dy : dy);
    const std::uint64_t sum = ux * ux + uy * uy;
    std::uint64_t s = FloorSqrt(sum);
    // sqrt(sum) >= s + 1/2 exactly when sum > s^2 + s; it is never exactly a half.
    if (sum - s * s > s)
        ++s;
    if (s > static_cast<std::uint64_t>(std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(s);
}

int VectorAngle(double ax, double ay, double bx, double by)
{
    const double a = RoundedLengthF(ax, ay);
    const double b = RoundedLengthF(bx, by);
    const double c = RoundedLengthF(ax - bx, ay - by);
    // Written so that a NaN anywhere also gives 0.
    if (!(c >= 3.0) || !(a > 0.0) || !(b > 0.0))
        return 0;
    const double k = (a * a + b * b - c * c) / (2.0 * a * b);
    if (!(k >= -1.0 && k <= 1.0))
        return 0;
    return RoundToInt(std::acos(k) * 180.0 / std::numbers::pi).value_or(0);
}

} // namespace kel
