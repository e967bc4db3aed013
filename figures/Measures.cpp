#include "figures/Measures.h"

#include "figures/FigureMath.h"
#include "model/VectorMeasures.h"

#include <cmath>
#include <cstdint>

namespace kel {

using figmath::Wide;

std::optional<int> PointDistance(QPoint p1, QPoint p2)
{
    // Differences of two ints need 33 bits.
    return VectorLength(std::int64_t{p1.x()} - p2.x(), std::int64_t{p1.y()} - p2.y());
}

std::optional<int> PointDistanceF(QPoint p1, QPoint p2)
{
    const double dx = static_cast<double>(p1.x()) - p2.x();
    const double dy = static_cast<double>(p1.y()) - p2.y();
    return RoundToInt(std::sqrt(dx * dx + dy * dy));
}

int AngleAtVertex(QPoint vertex, QPoint a, QPoint b)
{
    // Differences of ints are exact in double.
    const double vx = vertex.x();
    const double vy = vertex.y();
    return VectorAngle(a.x() - vx, a.y() - vy, b.x() - vx, b.y() - vy);
}

int DirectionAngle(QPoint origin, QPoint p)
{
    // The reference ray points 200 pixels to the right of the origin; working
    // on differences keeps origins near the edge of the plane measurable.
    const int angle = VectorAngle(200.0, 0.0, static_cast<double>(p.x()) - origin.x(),
                                  static_cast<double>(p.y()) - origin.y());
    return p.y() > origin.y() ? 360 - angle : angle;
}

AnglePair BoxCentreAngles(QPoint c1, QPoint c2, QPoint p, QPoint q)
{
    const std::int64_t mx = (std::int64_t{c1.x()} + c2.x()) / 2;
    const std::int64_t my = (std::int64_t{c1.y()} + c2.y()) / 2;
    const std::int64_t halfWidth =
        (c1.x() > c2.x() ? std::int64_t{c1.x()} - c2.x() : std::int64_t{c2.x()} - c1.x()) / 2;
    auto angleOf = [&](QPoint point) {
        const int angle =
            VectorAngle(static_cast<double>(halfWidth), 0.0, static_cast<double>(point.x() - mx),
                        static_cast<double>(point.y() - my));
        return point.y() > my && angle > 0 ? 360 - angle : angle;
    };
    return {angleOf(p), angleOf(q)};
}

int SweepDegrees(int a, int b)
{
    std::int64_t sweep = std::int64_t{b} - a;
    if (sweep < 0)
        sweep += 360;
    return static_cast<int>(sweep);
}

std::optional<std::int64_t> TriangleArea(QPoint p1, QPoint p2, QPoint p3)
{
    // Each product of two coordinate sums needs up to 66 bits.
    const Wide s = (Wide{p1.y()} + p2.y()) * (Wide{p2.x()} - p1.x()) +
                   (Wide{p2.y()} + p3.y()) * (Wide{p3.x()} - p2.x()) +
                   (Wide{p1.y()} + p3.y()) * (Wide{p1.x()} - p3.x());
    Wide area = s / 2;
    if (area < 0)
        area = -area;
    if (area > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    return static_cast<std::int64_t>(area);
}

std::optional<std::int64_t> TriangleArea(const ConstructionState& state)
{
    return TriangleArea(state.point(0), state.point(1), state.point(2));
}

} // namespace kel
