#include "figures/Circles.h"

#include "figures/Equations.h"
#include "figures/FigureMath.h"
#include "model/VectorMeasures.h"

#include <utility>

namespace kel {

using figmath::Wide;

std::optional<MeasuredPoint> NearestPointOnCircle(QPoint centre, int radius, QPoint p)
{
    const std::optional<PointPair> cut = IntersectLineCircle(centre, radius, centre, p);
    if (!cut)
        return std::nullopt;
    const std::optional<int> d1 = PointDistance(p, cut->first);
    const std::optional<int> d2 = PointDistance(p, cut->second);
    if (!d1 || !d2)
        return std::nullopt;
    if (*d1 < *d2)
        return MeasuredPoint{cut->first, *d1};
    return MeasuredPoint{cut->second, *d2};
}

std::optional<Tangents> TangentPoints(QPoint centre, int radius, QPoint p)
{
    const std::optional<int> d = PointDistance(p, centre);
    if (!d || Wide{radius} + 1 > *d)
        return std::nullopt;
    const QPoint mid(static_cast<int>((Wide{p.x()} + centre.x()) / 2),
                     static_cast<int>((Wide{p.y()} + centre.y()) / 2));
    const std::optional<PointPair> points = IntersectCircles(centre, radius, mid, *d / 2);
    if (!points)
        return std::nullopt;
    const std::optional<int> length = PointDistance(p, points->first);
    if (!length)
        return std::nullopt;
    return Tangents{*points, *length};
}

std::optional<CircleFit> CircleThrough3Points(QPoint p1, QPoint p2, QPoint p3)
{
    auto rhs = [&](QPoint q) {
        return static_cast<double>(figmath::WideSq(q.x()) - figmath::WideSq(p1.x()) +
                                   figmath::WideSq(q.y()) - figmath::WideSq(p1.y()));
    };
    const double a1 = 2.0 * (static_cast<double>(p3.x()) - p1.x());
    const double b1 = 2.0 * (static_cast<double>(p3.y()) - p1.y());
    const double a2 = 2.0 * (static_cast<double>(p2.x()) - p1.x());
    const double b2 = 2.0 * (static_cast<double>(p2.y()) - p1.y());
    const std::optional<QPoint> centre = SolveLinear2x2(rhs(p3), b1, a1, rhs(p2), b2, a2);
    if (!centre)
        return std::nullopt;
    const std::optional<int> radius = PointDistanceF(p1, *centre);
    if (!radius)
        return std::nullopt;
    return CircleFit{*centre, *radius};
}

int AngleOnCircle(QPoint centre, int radius, QPoint p)
{
    const int angle =
        VectorAngle(static_cast<double>(radius), 0.0, static_cast<double>(p.x()) - centre.x(),
                    static_cast<double>(p.y()) - centre.y());
    return p.y() > centre.y() && angle > 0 ? 360 - angle : angle;
}

std::optional<std::array<int, 3>> PointAnglesOnCircle(QPoint p1, QPoint p2, QPoint p3)
{
    if (p1.x() == p2.x() && p2.x() == p3.x())
        return std::array<int, 3>{90, 90, 0};
    const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, p3);
    if (!circle)
        return std::nullopt;
    return std::array<int, 3>{AngleOnCircle(circle->centre, circle->radius, p1),
                              AngleOnCircle(circle->centre, circle->radius, p2),
                              AngleOnCircle(circle->centre, circle->radius, p3)};
}

std::optional<ArcTurn> ArcOrientation(QPoint p1, QPoint p2, QPoint p3)
{
    if (p1 == p2 || p2 == p3 || p1 == p3)
        return ArcTurn{true, std::nullopt};
    const std::optional<std::array<int, 3>> angles = PointAnglesOnCircle(p1, p2, p3);
    if (!angles)
        return std::nullopt;
    const auto [a1, a2, a3] = *angles;
    if (SweepDegrees(a1, a2) < SweepDegrees(a1, a3))
        return ArcTurn{true, SweepDegrees(a1, a2) + SweepDegrees(a2, a3)};
    return ArcTurn{false, SweepDegrees(a3, a2) + SweepDegrees(a2, a1)};
}

std::optional<int> DrawArc3Points(Canvas& canvas, const CurrentAttributes& current, QPoint p1,
                                  QPoint p2, QPoint p3)
{
    const CanvasPen saved = canvas.pen();
    CanvasPen pen;
    pen.colour = current.penColour;
    pen.width = current.penWidth < 1 ? 0 : current.penWidth;
    pen.style = current.penWidth < 1 ? PenStyle::Dotted : PenStyle::Solid;
    canvas.setPen(pen);

    std::optional<int> radius;
    const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, p3);
    if (!circle) {
        canvas.line(p1, p2);
        canvas.line(p2, p3);
    } else {
        const std::optional<ArcTurn> turn = ArcOrientation(p1, p2, p3);
        if (turn && !turn->counterClockwise)
            std::swap(p1, p3);
        const QPoint c = circle->centre;
        const int r = circle->radius;
        const auto topLeft = figmath::MakePoint(Wide{c.x()} - r, Wide{c.y()} - r);
        const auto bottomRight = figmath::MakePoint(Wide{c.x()} + r, Wide{c.y()} + r);
        if (topLeft && bottomRight) {
            canvas.arc(topLeft->x(), topLeft->y(), bottomRight->x(), bottomRight->y(), p1, p3);
            radius = r;
        }
    }
    canvas.setPen(saved);
    return radius;
}

} // namespace kel
