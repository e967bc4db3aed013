#include "figures/RegularPolygons.h"

#include "figures/FigureMath.h"
#include "figures/FigurePens.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "model/Rounding.h"
#include "model/RowRoutines.h"

#include <QChar>

#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace kel {

namespace {

constexpr int kSnapDistance = 10;
constexpr int kMinSides = 3;
constexpr int kMaxSides = 360;
// Beyond these the single-precision running angle means nothing.
constexpr int kMaxPoints = 360;
constexpr double kMaxDegrees = 1e6;

// The index of the point nearest to `target` among those within the snap
// distance, skipping `skip`; the first on equal distances. -1 when none is
// that near.
std::ptrdiff_t NearestWithinSnap(const std::vector<QPoint>& points, QPoint target,
                                 std::ptrdiff_t skip)
{
    std::ptrdiff_t best = -1;
    int bestDistance = kSnapDistance + 1;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (static_cast<std::ptrdiff_t>(i) == skip)
            continue;
        const std::optional<int> d = PointDistance(points[i], target);
        if (d && *d < bestDistance) {
            best = static_cast<std::ptrdiff_t>(i);
            bestDistance = *d;
        }
    }
    return best;
}

} // namespace

std::optional<std::vector<QPoint>> DistributeOnCircle(QPoint centre, int radius,
                                                      double startDegrees, double endDegrees,
                                                      int count, QPoint a, QPoint b)
{
    if (!(std::abs(startDegrees) <= kMaxDegrees) || !(std::abs(endDegrees) <= kMaxDegrees) ||
        count < 1 || count > kMaxPoints)
        return std::nullopt;
    if (endDegrees < startDegrees)
        endDegrees += 360;
    const double sweep = endDegrees - startDegrees;
    if (count > sweep)
        return std::nullopt;

    constexpr double pi = std::numbers::pi;
    const auto step = static_cast<float>(sweep * pi / (count * 180.0));
    const auto fullTurn = static_cast<float>(2 * pi);
    auto u = static_cast<float>(startDegrees * pi / 180);
    std::vector<QPoint> points;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        const double angle = u;
        const std::optional<QPoint> p =
            figmath::OffsetRounded(centre, radius * std::cos(angle), -radius * std::sin(angle));
        if (!p)
            return std::nullopt;
        points.push_back(*p);
        u += step;
        if (u > fullTurn)
            u -= fullTurn;
    }

    // The nearest point, not merely the last one within reach: on a small
    // circle several points lie within the snap distance of each end.
    const std::ptrdiff_t atA = NearestWithinSnap(points, a, -1);
    const std::ptrdiff_t atB = NearestWithinSnap(points, b, atA);
    if (atA >= 0)
        points[static_cast<std::size_t>(atA)] = a;
    if (atB >= 0)
        points[static_cast<std::size_t>(atB)] = b;
    return points;
}

std::optional<RegularPolygon> RegularPolygonVertices(QPoint a, QPoint b, int sides, QPoint pointer)
{
    if (sides < kMinSides || sides > kMaxSides)
        return std::nullopt;
    const std::optional<int> side = PointDistance(a, b);
    if (!side)
        return std::nullopt;
    using Real = long double;
    const Real halfAngle = std::numbers::pi_v<Real> / sides;
    const std::optional<int> radius =
        RoundToInt(static_cast<double>((static_cast<Real>(*side) / 2) / std::sin(halfAngle)));
    if (!radius)
        return std::nullopt;
    const std::optional<PointPair> centres = IntersectCircles(a, *radius, b, *radius);
    if (!centres)
        return std::nullopt;
    const std::optional<int> d1 = PointDistance(pointer, centres->first);
    const std::optional<int> d2 = PointDistance(pointer, centres->second);
    if (!d1 || !d2)
        return std::nullopt;
    const QPoint centre = *d1 < *d2 ? centres->first : centres->second;

    // The direction of a from the centre, exactly: a whole-degree angle from
    // rounded lengths misses a by more than the snap distance on large
    // polygons and by whole vertices on small ones, and the polygon would
    // not close on its side.
    double start = std::atan2(static_cast<double>(centre.y()) - a.y(),
                              static_cast<double>(a.x()) - centre.x()) *
                   180 / std::numbers::pi;
    if (start < 0)
        start += 360;
    std::optional<std::vector<QPoint>> vertices =
        DistributeOnCircle(centre, *radius, start, start + 360, sides, a, b);
    if (!vertices)
        return std::nullopt;
    return RegularPolygon{centre, *radius, std::move(*vertices)};
}

bool RegularPolygonOnSide(Document& doc, ConstructionState& state, Canvas& canvas,
                          std::vector<QPoint>& vertices, QPoint a, QPoint b, int sides,
                          QPoint pointer, FigureStep step)
{
    std::optional<RegularPolygon> polygon = RegularPolygonVertices(a, b, sides, pointer);
    if (!polygon)
        return false;
    state.setPoint(kPolygonCentrePoint, polygon->centre);
    vertices = std::move(polygon->vertices);

    if (step == FigureStep::Create) {
        state.clicks() = sides;
        return FinishPolyObject(doc, RecordKind::Polygon, vertices, std::nullopt);
    }

    figpen::CanvasGuard guard(canvas);
    // The centre's mark: a black dot of radius 3.
    using figmath::Wide;
    const QPoint o = polygon->centre;
    const auto topLeft = figmath::MakePoint(Wide{o.x()} - 3, Wide{o.y()} - 3);
    const auto bottomRight = figmath::MakePoint(Wide{o.x()} + 3, Wide{o.y()} + 3);
    if (topLeft && bottomRight) {
        canvas.setPen({kBlack, 1, PenStyle::Solid});
        canvas.setBrush({kBlack, BrushStyle::Solid});
        canvas.ellipse(topLeft->x(), topLeft->y(), bottomRight->x(), bottomRight->y());
    }
    canvas.setPen({doc.current.penColour, doc.current.penWidth, PenStyle::Solid});
    canvas.setBrush({doc.current.brushColour, figpen::DirectBrushStyle(doc.current.brushStyle)});
    canvas.polygon(vertices);
    return true;
}

} // namespace kel
