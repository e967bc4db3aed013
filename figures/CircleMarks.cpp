#include "figures/CircleMarks.h"

#include "figures/FigureMath.h"
#include "model/Rounding.h"

#include <cmath>
#include <numbers>

namespace kel {

namespace {

constexpr int kFullTurn = 360;
constexpr int kHalfTurn = 180;
// Offsets beyond this many degrees lose the whole-degree precision of a
// double and say nothing sensible about a direction.
constexpr double kMaxOffsetDegrees = 1e9;

double radians(double degrees)
{
    return degrees * std::numbers::pi / kHalfTurn;
}

} // namespace

int ReduceDegrees(std::int64_t degrees)
{
    const std::int64_t r = degrees % kFullTurn;
    return static_cast<int>(r < 0 ? r + kFullTurn : r);
}

int ArcSpan(std::int64_t a1, std::int64_t a2)
{
    const int span = ReduceDegrees(std::int64_t{ReduceDegrees(a2)} - ReduceDegrees(a1));
    return span == 0 ? kFullTurn : span;
}

int ArcMidAngle(std::int64_t a1, std::int64_t a2)
{
    return ReduceDegrees(std::int64_t{ReduceDegrees(a1)} + ArcSpan(a1, a2) / 2);
}

AnglePair MirroredArcAngles(std::int64_t a1, std::int64_t a2)
{
    return {ReduceDegrees(std::int64_t{ReduceDegrees(a1)} + kHalfTurn),
            ReduceDegrees(std::int64_t{ReduceDegrees(a2)} + kHalfTurn)};
}

std::optional<QPoint> PointOnCircleAt(QPoint centre, int radius, double degrees)
{
    const double t = radians(degrees);
    return figmath::OffsetRounded(centre, radius * std::cos(t), -radius * std::sin(t));
}

std::optional<std::vector<QPoint>> EqualPointsOnCircle(QPoint centre, int radius, int n,
                                                       double offsetDegrees)
{
    if (n < kMinEqualPoints || n > kMaxEqualPoints || !std::isfinite(offsetDegrees) ||
        std::abs(offsetDegrees) > kMaxOffsetDegrees)
        return std::nullopt;
    std::vector<QPoint> points;
    points.reserve(static_cast<std::size_t>(n));
    const double step = 2 * std::numbers::pi / n;
    const double start = radians(offsetDegrees);
    for (int k = 0; k < n; ++k) {
        const double t = k * step + start;
        const std::optional<QPoint> p =
            figmath::OffsetRounded(centre, radius * std::cos(t), -radius * std::sin(t));
        if (!p)
            return std::nullopt;
        points.push_back(*p);
    }
    return points;
}

std::int64_t ArcInfoHeight(int radius, int a1, int a2)
{
    const std::int64_t span = IntAbs(std::int64_t{a1} - a2);
    const double h = radius * std::cos(static_cast<double>(span) * std::numbers::pi / kFullTurn);
    // |R cos| never exceeds |R|, so the rounded value fits.
    std::int64_t height = IntAbs(RoundToInt(h).value_or(0));
    if (!(height >= 3 && span <= kHalfTurn))
        height += radius;
    return height;
}

} // namespace kel
