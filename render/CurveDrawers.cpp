#include "render/CurveDrawers.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/Rounding.h"
#include "render/FarGeometry.h"
#include "render/RecordCells.h"
#include "render/ShapeDrawers.h"

#include <limits>

namespace kel {

namespace {

// Curves are clipped this far outside the canvas, beyond any pen.
constexpr double kClipMargin = 300;

QRectF ClipWindow(const Canvas& canvas)
{
    const QSize size = canvas.size();
    return QRectF(-kClipMargin, -kClipMargin, size.width() + 2 * kClipMargin,
                  size.height() + 2 * kClipMargin);
}

bool FitsInt(std::int64_t v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

// Each piece clipped to the window and drawn as a polyline; points inside
// the window always fit an int.
void DrawPieces(Canvas& canvas, std::span<const QPointF> points, const QRectF& window)
{
    for (const PolylineF& piece : ClipPolyline(points, window, false)) {
        std::vector<QPoint> vertices;
        vertices.reserve(piece.size());
        for (const QPointF& p : piece) {
            const std::optional<int> x = RoundToInt(p.x());
            const std::optional<int> y = RoundToInt(p.y());
            if (x && y)
                vertices.emplace_back(*x, *y);
        }
        if (!vertices.empty())
            canvas.polyline(vertices);
    }
}

QString PointCountReason(const char* need, size_t count)
{
    return QStringLiteral("%1, this one has %2").arg(QLatin1String(need)).arg(count);
}

} // namespace

void DrawBezier(Canvas& canvas, const CurrentAttributes& current, const BezierRecordPoints& points)
{
    canvas.setPen(StandardPen(current));
    const BezierControls c = BezierControlPoints(points);
    if (FitsInt(c.c1.x) && FitsInt(c.c1.y) && FitsInt(c.c2.x) && FitsInt(c.c2.y)) {
        canvas.bezier({points[0], QPoint(static_cast<int>(c.c1.x), static_cast<int>(c.c1.y)),
                       QPoint(static_cast<int>(c.c2.x), static_cast<int>(c.c2.y)), points[3]});
        return;
    }
    // Controls beyond the 32-bit plane: flattened here and clipped.
    const PolylineF flat = BezierPoints(
        QPointF(points[0]), QPointF(static_cast<double>(c.c1.x), static_cast<double>(c.c1.y)),
        QPointF(static_cast<double>(c.c2.x), static_cast<double>(c.c2.y)), QPointF(points[3]));
    DrawPieces(canvas, flat, ClipWindow(canvas));
}

bool DrawPolynomialGraph(Canvas& canvas, const CurrentAttributes& current,
                         std::span<const QPoint> points, int angle, QPoint centre)
{
    const QRectF window = ClipWindow(canvas);
    const std::optional<std::vector<PolylineF>> graph =
        PolynomialGraph(points, angle, centre, window);
    if (!graph)
        return false;
    canvas.setPen(StandardPen(current));
    for (const PolylineF& run : *graph)
        DrawPieces(canvas, run, window);
    return true;
}

namespace {

// What a curve record needs of its point list, and how it is drawn.
struct CurveRule {
    size_t fewest;
    size_t most;
    const char* need;
    void (*draw)(Canvas&, const CurrentAttributes&, const std::vector<QPoint>&);
};

std::optional<QString> DrawCurveRecord(Canvas& canvas, CurrentAttributes& current,
                                       const ObjectTable& table, int row, QPoint offset,
                                       bool highlight, const CurveRule& rule)
{
    ParsePenAttr(current, table.cell(col::list::Pen, row));
    if (highlight)
        UseHighlightPen(current);
    const std::optional<std::vector<QPoint>> points =
        ShiftedPointList(table.cell(col::list::Points, row), offset);
    if (!points)
        return OutOfRangeReason();
    if (points->size() < rule.fewest || points->size() > rule.most)
        return PointCountReason(rule.need, points->size());
    rule.draw(canvas, current, *points);
    return std::nullopt;
}

constexpr CurveRule kBezierRule{
    4, 4, "a Bezier curve needs 4 points",
    [](Canvas& canvas, const CurrentAttributes& current, const std::vector<QPoint>& points) {
        DrawBezier(canvas, current, {points[0], points[1], points[2], points[3]});
    }};

// Points sharing an x have no polynomial: nothing to draw, nothing wrong.
constexpr CurveRule kPolynomialRule{
    2, static_cast<size_t>(kMaxPolynomialPoints), "a polynomial curve needs 2 to 26 points",
    [](Canvas& canvas, const CurrentAttributes& current, const std::vector<QPoint>& points) {
        DrawPolynomialGraph(canvas, current, points);
    }};

} // namespace

std::optional<QString> DrawBezierRecord(Canvas& canvas, CurrentAttributes& current,
                                        const ObjectTable& table, int row, QPoint offset,
                                        bool highlight)
{
    return DrawCurveRecord(canvas, current, table, row, offset, highlight, kBezierRule);
}

std::optional<QString> DrawPolynomialRecord(Canvas& canvas, CurrentAttributes& current,
                                            const ObjectTable& table, int row, QPoint offset,
                                            bool highlight)
{
    return DrawCurveRecord(canvas, current, table, row, offset, highlight, kPolynomialRule);
}

} // namespace kel
