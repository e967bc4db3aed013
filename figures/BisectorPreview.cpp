#include "figures/BisectorPreview.h"

#include "figures/FigureMath.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "figures/Perpendiculars.h"

namespace kel {

namespace {

constexpr int kFarLimit = 5000;
constexpr int kArmLength = 210;

QPoint Midpoint(QPoint a, QPoint b)
{
    using figmath::Wide;
    return {static_cast<int>((Wide{a.x()} + b.x()) / 2),
            static_cast<int>((Wide{a.y()} + b.y()) / 2)};
}

} // namespace

std::optional<BisectorPoints> BisectorPreview(const Document& doc, ConstructionState& state,
                                              Canvas& canvas, QPoint pointer)
{
    const QPoint a1 = state.point(0);
    const QPoint a2 = state.point(1);
    const QPoint b1 = state.point(2);
    const QPoint b2 = state.point(3);
    const std::optional<QPoint> vertex = IntersectLines(a1, a2, b1, b2);
    if (!vertex || (vertex->x() > kFarLimit && vertex->y() > kFarLimit))
        return std::nullopt;
    const QPoint v = *vertex;

    // Points 210 pixels from V on each line; the midpoints of a line A point
    // with the first line B point give the two bisector directions.
    const std::optional<PointPair> onA = IntersectLineCircle(v, kArmLength, a1, a2);
    const std::optional<PointPair> onB = IntersectLineCircle(v, kArmLength, b1, b2);
    if (!onA || !onB)
        return std::nullopt;
    const QPoint m1 = Midpoint(onA->first, onB->first);
    const QPoint m2 = Midpoint(onA->second, onB->first);
    const std::optional<MeasuredPoint> f1 = PerpendicularFoot(pointer, v, m1);
    const std::optional<MeasuredPoint> f2 = PerpendicularFoot(pointer, v, m2);
    if (!f1 || !f2)
        return std::nullopt;
    const QPoint foot = f1->distance < f2->distance ? f1->point : f2->point;
    const std::optional<int> length = PointDistance(v, foot);
    if (!length)
        return std::nullopt;

    state.setPoint(4, v);
    state.setPoint(5, foot);
    const CanvasPen saved = canvas.pen();
    canvas.setPen({doc.current.penColour, 1, PenStyle::Solid});
    canvas.line(v, foot);
    canvas.setPen({doc.current.penColour, 0, PenStyle::Dotted});
    canvas.line(pointer, foot);
    canvas.setPen(saved);
    return BisectorPoints{v, *length};
}

} // namespace kel
