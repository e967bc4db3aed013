#include "figures/AngledLines.h"

#include "figures/FigureMath.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace kel {

std::optional<PointPair> AngledEnds(QPoint v, QPoint toward, int degrees, int length)
{
    const double dx = static_cast<double>(std::int64_t{toward.x()} - v.x());
    const double dy = static_cast<double>(std::int64_t{toward.y()} - v.y());
    const double norm = std::hypot(dx, dy);
    if (norm == 0)
        return std::nullopt;
    const double ux = dx / norm;
    const double uy = dy / norm;
    const double radians = std::numbers::pi * degrees / 180;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    // y grows downwards: counter-clockwise on the screen is a negative turn.
    const std::optional<QPoint> ccw =
        figmath::OffsetRounded(v, length * (ux * c + uy * s), length * (uy * c - ux * s));
    const std::optional<QPoint> cw =
        figmath::OffsetRounded(v, length * (ux * c - uy * s), length * (uy * c + ux * s));
    if (!ccw || !cw)
        return std::nullopt;
    return PointPair{*ccw, *cw};
}

} // namespace kel
