#include "figures/Perpendiculars.h"

#include "figures/FigureMath.h"
#include "figures/Measures.h"

#include <cmath>

namespace kel {

using figmath::Wide;

std::optional<MeasuredPoint> PerpendicularFoot(QPoint p, QPoint l1, QPoint l2)
{
    QPoint foot = l1;
    if (l1 != l2) {
        // Products of three coordinates need up to 97 bits; the divisions
        // truncate as the integer form always has.
        const Wide dx = Wide{l1.x()} - l2.x();
        const Wide dy = Wide{l1.y()} - l2.y();
        const Wide den = dx * dx + dy * dy;
        const Wide cr = Wide{l1.x()} * l2.y() - Wide{l1.y()} * l2.x();
        const auto f = figmath::MakePoint((dx * (dy * p.y() + dx * p.x()) - cr * dy) / den,
                                          (dy * dy * p.y() + dx * dy * p.x() + cr * dx) / den);
        if (!f)
            return std::nullopt;
        foot = *f;
    }
    const std::optional<int> distance = PointDistance(foot, p);
    if (!distance)
        return std::nullopt;
    return MeasuredPoint{foot, *distance};
}

std::optional<QPoint> MirrorPoint(QPoint p, QPoint l1, QPoint l2)
{
    const std::optional<MeasuredPoint> foot = PerpendicularFoot(p, l1, l2);
    if (!foot)
        return std::nullopt;
    return figmath::MakePoint(2 * Wide{foot->point.x()} - p.x(), 2 * Wide{foot->point.y()} - p.y());
}

std::optional<QPoint> MirrorPoint(QPoint p, const ConstructionState& state)
{
    return MirrorPoint(p, state.point(0), state.point(1));
}

std::optional<SidePoints> PerpendicularPoints(QPoint a, QPoint b, int length)
{
    const double dx = static_cast<double>(b.x()) - a.x();
    const double dy = static_cast<double>(b.y()) - a.y();
    if (dx == 0 && dy == 0)
        return std::nullopt;
    const double f = length / std::sqrt(dx * dx + dy * dy);
    const std::optional<int> ox = RoundToInt(dy * f);
    const std::optional<int> oy = RoundToInt(dx * f);
    if (!ox || !oy)
        return std::nullopt;
    const auto left = figmath::MakePoint(Wide{b.x()} + *ox, Wide{b.y()} - *oy);
    const auto right = figmath::MakePoint(Wide{b.x()} - *ox, Wide{b.y()} + *oy);
    if (!left || !right)
        return std::nullopt;
    return SidePoints{*left, *right};
}

} // namespace kel
