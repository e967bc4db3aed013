#include "render/ShapeDrawers.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/Rounding.h"
#include "model/RowRoutines.h"
#include "render/FarGeometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

namespace kel {

namespace {

constexpr Colour kYellow = 0x00FFFF;
// Far shapes are clipped this far outside the canvas, beyond any pen.
constexpr long long kClipMargin = 300;

bool FitsInt(long long v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

QRectF ClipWindow(const Canvas& canvas)
{
    const QSize size = canvas.size();
    return QRectF(-kClipMargin, -kClipMargin, size.width() + 2.0 * kClipMargin,
                  size.height() + 2.0 * kClipMargin);
}

// Points inside the clip window always fit.
std::vector<QPoint> ToPoints(const PolylineF& points)
{
    std::vector<QPoint> result;
    result.reserve(points.size());
    for (const QPointF& p : points)
        result.emplace_back(static_cast<int>(std::lround(p.x())),
                            static_cast<int>(std::lround(p.y())));
    return result;
}

// A flattened shape, clipped to what can reach the canvas.
void DrawClipped(Canvas& canvas, const PolylineF& points, bool closed, bool filled)
{
    const QRectF window = ClipWindow(canvas);
    if (filled) {
        const PolylineF area = ClipPolygon(points, window);
        if (area.size() >= 3)
            canvas.polygon(ToPoints(area));
        return;
    }
    for (const PolylineF& piece : ClipPolyline(points, window, closed))
        canvas.polyline(ToPoints(piece));
}

// An ellipse whose box may leave the 32-bit range (centre plus or minus a
// huge radius).
void EllipseIn(Canvas& canvas, long long l, long long t, long long r, long long b, bool filled)
{
    if (FitsInt(l) && FitsInt(t) && FitsInt(r) && FitsInt(b)) {
        canvas.ellipse(static_cast<int>(l), static_cast<int>(t), static_cast<int>(r),
                       static_cast<int>(b));
        return;
    }
    const QRectF rect = OutlineRect(static_cast<double>(l), static_cast<double>(t),
                                    static_cast<double>(r), static_cast<double>(b));
    const QRectF window = ClipWindow(canvas);
    DrawClipped(canvas, EllipsePoints(rect, 0, 360, &window), true, filled);
}

void CircleIn(Canvas& canvas, QPoint c, long long radius, bool filled)
{
    EllipseIn(canvas, c.x() - radius, c.y() - radius, c.x() + radius, c.y() + radius, filled);
}

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

long long CeilDiv(long long a, long long b)
{
    long long q = a / b;
    if (a % b != 0 && ((a < 0) == (b < 0)))
        ++q;
    return q;
}

// The indices i in 0..n for which base + i * step lies in lo..hi; empty
// when first > last.
std::pair<long long, long long> IndicesWithin(long long base, long long step, long long n,
                                              long long lo, long long hi)
{
    if (n < 0)
        return {1, 0};
    if (step == 0) // every line in the same place: one is enough
        return base >= lo && base <= hi ? std::pair{0LL, 0LL} : std::pair{1LL, 0LL};
    long long first = 0, last = 0;
    if (step > 0) {
        first = CeilDiv(lo - base, step);
        last = FloorDiv(hi - base, step);
    } else {
        first = CeilDiv(hi - base, step);
        last = FloorDiv(lo - base, step);
    }
    return {std::max(first, 0LL), std::min(last, n)};
}

// An axis-parallel segment a..b at `at`, cut to lo..hi where it runs.
void AxisLine(Canvas& canvas, bool horizontal, long long at, long long a, long long b, long long lo,
              long long hi)
{
    if (std::max(a, b) < lo || std::min(a, b) > hi)
        return;
    const int from = static_cast<int>(std::clamp(a, lo, hi));
    const int to = static_cast<int>(std::clamp(b, lo, hi));
    const int pos = static_cast<int>(at);
    if (horizontal)
        canvas.line({from, pos}, {to, pos});
    else
        canvas.line({pos, from}, {pos, to});
}

// Styles 2..7 are the hatches, every other style the solid brush.
CanvasBrush HatchOrSolid(int style, Colour colour)
{
    if (style >= 2 && style <= 7)
        return {colour, static_cast<BrushStyle>(style)};
    return {colour, BrushStyle::Solid};
}

} // namespace

CanvasPen StandardPen(const CurrentAttributes& current)
{
    if (current.penWidth == 0)
        return {current.penColour, 1, PenStyle::Dotted};
    return {current.penColour, current.penWidth, PenStyle::Solid};
}

CanvasBrush FillRuleBrush(int style, Colour colour)
{
    return style == 0 ? kNoBrush : HatchOrSolid(style, colour);
}

CanvasBrush PlatformRuleBrush(int style, Colour colour)
{
    return style == 1 ? kNoBrush : HatchOrSolid(style, colour);
}

void DrawLine(Canvas& canvas, const CurrentAttributes& current, QPoint from, QPoint to)
{
    canvas.setPen(StandardPen(current));
    canvas.line(from, to);
}

void DrawRectangle(Canvas& canvas, const CurrentAttributes& current, QPoint corner1, QPoint corner2)
{
    canvas.setPen(StandardPen(current));
    canvas.setBrush(kNoBrush);
    canvas.rectangle(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y()),
                     std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y()));
}

void DrawEllipse(Canvas& canvas, const CurrentAttributes& current, QPoint corner1, QPoint corner2)
{
    canvas.setPen(StandardPen(current));
    if (current.penWidth == 0)
        canvas.setBrush(kNoBrush);
    canvas.ellipse(corner1.x(), corner1.y(), corner2.x(), corner2.y());
}

void DrawRoundRect(Canvas& canvas, const CurrentAttributes& current, QPoint corner1, QPoint corner2,
                   int corner)
{
    canvas.setPen(StandardPen(current));
    long long size = corner;
    if (corner < 1) {
        // The brush goes through its attribute string and back, which keeps
        // only the last digit of the style.
        CurrentAttributes trip = current;
        ParseBrushAttr(trip, MakeBrushAttr(current));
        canvas.setBrush(PlatformRuleBrush(trip.brushStyle, trip.brushColour));
        size = -size;
    } else {
        canvas.setBrush(kNoBrush);
    }
    const int diameter =
        static_cast<int>(std::min<long long>(size, std::numeric_limits<int>::max()));
    canvas.roundRect(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y()),
                     std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y()),
                     diameter, diameter);
    canvas.setBrush(kNoBrush);
}

void DrawFocusRect(Canvas& canvas, QPoint corner1, QPoint corner2)
{
    canvas.focusRect(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y()),
                     std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y()));
    canvas.setBrush(kNoBrush);
}

void DrawCircle(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius)
{
    canvas.setBrush(kNoBrush);
    canvas.setPen(StandardPen(current));
    CircleIn(canvas, centre, radius, false);
}

void DrawFilledCircle(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius)
{
    canvas.setBrush(FillRuleBrush(current.brushStyle, current.brushColour));
    canvas.setPen(StandardPen(current));
    CircleIn(canvas, centre, radius, true);
    canvas.setBrush(kNoBrush);
}

ArcEnd ArcEndPoint(QPoint centre, int radius, int angle)
{
    // The angle in radians is kept in single precision.
    const auto radians = static_cast<float>(angle * std::numbers::pi / 180);
    // |radius * cos| never exceeds |radius|, so both always fit.
    const long long dx = RoundToInt(radius * std::cos(static_cast<double>(radians))).value_or(0);
    const long long dy = RoundToInt(radius * std::sin(static_cast<double>(radians))).value_or(0);
    return {centre.x() + dx, centre.y() - dy};
}

void DrawArc(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius,
             int startAngle, int endAngle)
{
    canvas.setPen(StandardPen(current));
    const long long r = radius;
    const long long l = centre.x() - r, t = centre.y() - r, rt = centre.x() + r, b = centre.y() + r;
    const ArcEnd s = ArcEndPoint(centre, radius, startAngle);
    const ArcEnd e = ArcEndPoint(centre, radius, endAngle);
    if (FitsInt(l) && FitsInt(t) && FitsInt(rt) && FitsInt(b)) {
        // Inside the box, so the ends fit as well.
        canvas.arc(static_cast<int>(l), static_cast<int>(t), static_cast<int>(rt),
                   static_cast<int>(b), QPoint(static_cast<int>(s.x), static_cast<int>(s.y)),
                   QPoint(static_cast<int>(e.x), static_cast<int>(e.y)));
        return;
    }
    // The same directions the canvas would find, taken from the centre.
    auto direction = [&](const ArcEnd& p) {
        return std::atan2(-static_cast<double>(p.y - centre.y()),
                          static_cast<double>(p.x - centre.x())) *
               180 / std::numbers::pi;
    };
    const double from = direction(s);
    double span = direction(e) - from;
    while (span <= 0)
        span += 360;
    const QRectF rect = OutlineRect(static_cast<double>(l), static_cast<double>(t),
                                    static_cast<double>(rt), static_cast<double>(b));
    const QRectF window = ClipWindow(canvas);
    DrawClipped(canvas, EllipsePoints(rect, from, span, &window), false, false);
}

void DrawGrid(Canvas& canvas, const CurrentAttributes& current, QPoint origin, int cells,
              int cellSize)
{
    canvas.setPen(StandardPen(current));
    const QSize size = canvas.size();
    const long long x0 = origin.x(), y0 = origin.y();
    const long long n = cells, s = cellSize;
    const long long total = n * s;
    const long long left = -kClipMargin, right = size.width() + kClipMargin;
    const long long top = -kClipMargin, bottom = size.height() + kClipMargin;
    // Lines i = 0..n: horizontal at y0 - i*s from x0 to x0 + total, vertical
    // at x0 + i*s from y0 to y0 - total. Only those near the canvas count.
    const auto [h0, h1] = IndicesWithin(y0, -s, n, top, bottom);
    for (long long i = h0; i <= h1; ++i)
        AxisLine(canvas, true, y0 - i * s, x0, x0 + total, left, right);
    const auto [v0, v1] = IndicesWithin(x0, s, n, left, right);
    for (long long i = v0; i <= v1; ++i)
        AxisLine(canvas, false, x0 + i * s, y0, y0 - total, top, bottom);
}

int AddGridRow(Document& doc, QPoint origin, int cells, int cellSize)
{
    const int row = FindFreeRow(doc);
    ObjectTable& table = doc.table;
    table.setCell(col::State, row, QStringLiteral("Y"));
    table.setCell(col::Type, row, KindText(RecordKind::Grid));
    table.setCell(col::grid::Pen, row, MakePenAttr(doc));
    table.setCell(col::grid::Left, row, origin.x());
    table.setCell(col::grid::Bottom, row, origin.y());
    table.setCell(col::grid::Cells, row, cells);
    table.setCell(col::grid::CellSize, row, cellSize);
    return row;
}

void DrawPoint(Canvas& canvas, const CurrentAttributes& current, QPoint at, int shape)
{
    const int x = at.x(), y = at.y();
    const CanvasBrush black{kBlack, BrushStyle::Solid};
    switch (shape) {
    case 0:
        canvas.setPen({kBlack, 2, PenStyle::Solid});
        canvas.setBrush({kYellow, BrushStyle::Solid});
        CircleIn(canvas, at, 3, true);
        break;
    case 1:
    case 2:
        canvas.setPen(StandardPen(current));
        canvas.setBrush(black);
        CircleIn(canvas, at, shape == 1 ? 3 : 2, true);
        break;
    case 3:
        canvas.setPen({kBlack, 1, PenStyle::Solid});
        canvas.setBrush(black);
        canvas.rectangle(x - 2, y - 2, x + 2, y + 2);
        break;
    default:
        canvas.setPen({kBlack, 1, PenStyle::Solid});
        canvas.setBrush(kNoBrush);
        CircleIn(canvas, at, shape, false);
        break;
    }
    canvas.setBrush(kNoBrush);
}

void DrawFill(Canvas& canvas, QPoint seed, int style, Colour border, Colour colour)
{
    canvas.setBrush(PlatformRuleBrush(style, colour));
    canvas.floodFill(seed, border);
    canvas.setBrush(kNoBrush);
}

void DrawBlock(Canvas& canvas, QPoint corner1, QPoint corner2, Colour colour)
{
    canvas.setBrush({colour, BrushStyle::Solid});
    canvas.fillRect(std::min(corner1.x(), corner2.x()), std::min(corner1.y(), corner2.y()),
                    std::max(corner1.x(), corner2.x()), std::max(corner1.y(), corner2.y()));
    canvas.setBrush(kNoBrush);
}

void DrawPolygon(Canvas& canvas, const CurrentAttributes& current,
                 const std::vector<QPoint>& points)
{
    canvas.setPen(StandardPen(current));
    canvas.setBrush(FillRuleBrush(current.brushStyle, current.brushColour));
    canvas.polygon(points);
    canvas.setBrush(kNoBrush);
}

} // namespace kel
