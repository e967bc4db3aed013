#include "render/CurveDrawers.h"

#include "model/AttributeStrings.h"
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

std::optional<QString> DrawBezierRecord(Canvas& canvas, CurrentAttributes& current,
                                        const ObjectTable& table, int row, QPoint offset,
                                        bool highlight)
{
    ParsePenAttr(current, table.cell(3, row));
    if (highlight)
        UseHighlightPen(current);
    const std::optional<std::vector<QPoint>> points = ShiftedPointList(table.cell(4, row), offset);
    if (!points)
        return OutOfRangeReason();
    if (points->size() != 4)
        return PointCountReason("a Bezier curve needs 4 points", points->size());
    DrawBezier(canvas, current, {(*points)[0], (*points)[1], (*points)[2], (*points)[3]});
    return std::nullopt;
}

std::optional<QString> DrawPolynomialRecord(Canvas& canvas, CurrentAttributes& current,
                                            const ObjectTable& table, int row, QPoint offset,
                                            bool highlight)
{
    ParsePenAttr(current, table.cell(3, row));
    if (highlight)
        UseHighlightPen(current);
    const std::optional<std::vector<QPoint>> points = ShiftedPointList(table.cell(4, row), offset);
    if (!points)
        return OutOfRangeReason();
    if (points->size() < 2 || points->size() > static_cast<size_t>(kMaxPolynomialPoints))
        return PointCountReason("a polynomial curve needs 2 to 26 points", points->size());
    // Points sharing an x have no polynomial: nothing to draw, nothing wrong.
    DrawPolynomialGraph(canvas, current, *points);
    return std::nullopt;
}

} // namespace kel
