#include "figures/Quadrilaterals.h"

#include "figures/FigureMath.h"
#include "figures/Perpendiculars.h"

namespace kel {

namespace {

using figmath::Wide;

Wide SquaredDistance(QPoint p, QPoint q)
{
    const Wide dx = Wide{p.x()} - q.x();
    const Wide dy = Wide{p.y()} - q.y();
    return dx * dx + dy * dy;
}

QPoint Nearer(const SidePoints& candidates, QPoint pointer)
{
    return SquaredDistance(candidates.right, pointer) < SquaredDistance(candidates.left, pointer)
               ? candidates.right
               : candidates.left;
}

} // namespace

std::optional<QPoint> ParallelogramOnSide(QPoint a, QPoint b, QPoint c)
{
    return figmath::MakePoint(Wide{c.x()} + b.x() - a.x(), Wide{c.y()} + b.y() - a.y());
}

std::optional<QPoint> ParallelogramOnDiagonal(QPoint a, QPoint b, QPoint c)
{
    const Wide mx = (Wide{a.x()} + b.x()) / 2;
    const Wide my = (Wide{a.y()} + b.y()) / 2;
    return figmath::MakePoint(2 * mx - c.x(), 2 * my - c.y());
}

std::optional<RectangleCorners> RectangleOnSide(QPoint a, QPoint b, int width, QPoint pointer)
{
    const std::optional<SidePoints> atA = PerpendicularPoints(b, a, width);
    const std::optional<SidePoints> atB = PerpendicularPoints(a, b, width);
    if (!atA || !atB)
        return std::nullopt;
    return RectangleCorners{Nearer(*atA, pointer), Nearer(*atB, pointer)};
}

std::vector<Side> PolySides(std::span<const int> numbers, bool closed)
{
    std::vector<QPoint> vertices;
    for (std::size_t i = 0; i + 1 < numbers.size(); i += 2)
        vertices.emplace_back(numbers[i], numbers[i + 1]);
    std::vector<Side> sides;
    for (std::size_t k = 0; k + 1 < vertices.size(); ++k)
        sides.push_back({vertices[k], vertices[k + 1]});
    if (closed && vertices.size() > 2 && vertices.back() != vertices.front())
        sides.push_back({vertices.back(), vertices.front()});
    return sides;
}

} // namespace kel
