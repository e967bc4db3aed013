#include "render/PixelShapes.h"

#include "render/FarGeometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kel {

namespace {

// Shapes reaching further than this beyond the image are clipped first.
constexpr double kDirectMargin = 2048;

QRectF BoundsOf(std::span<const QPointF> points)
{
    if (points.empty())
        return {};
    double l = points[0].x(), t = points[0].y(), r = l, b = t;
    for (const QPointF& p : points) {
        l = std::min(l, p.x());
        r = std::max(r, p.x());
        t = std::min(t, p.y());
        b = std::max(b, p.y());
    }
    return QRectF(QPointF(l, t), QPointF(r, b));
}

bool IsFinite(const QRectF& r)
{
    return std::isfinite(r.left()) && std::isfinite(r.top()) && std::isfinite(r.right()) &&
           std::isfinite(r.bottom());
}

bool Thin(const PixelPen& pen)
{
    return pen.dotted || pen.width <= 1;
}

} // namespace

PixelShapes::PixelShapes(QImage& image, int firstRow, QSize picture)
    : raster_(image, firstRow), size_(picture)
{
}

bool PixelShapes::near(const QRectF& bounds) const
{
    return bounds.left() >= -kDirectMargin && bounds.top() >= -kDirectMargin &&
           bounds.right() <= size_.width() + kDirectMargin &&
           bounds.bottom() <= size_.height() + kDirectMargin;
}

QRectF PixelShapes::window(const PixelPen* pen) const
{
    const double margin = (pen ? std::max(pen->width, 1.0) : 1.0) + 4;
    return QRectF(-margin, -margin, size_.width() + 2 * margin, size_.height() + 2 * margin);
}

void PixelShapes::stroke(std::span<const QPointF> points, bool closed, const PixelPen& pen)
{
    stroke(points, BoundsOf(points), closed, pen);
}

void PixelShapes::stroke(std::span<const QPointF> points, const QRectF& bounds, bool closed,
                         const PixelPen& pen)
{
    if (points.empty() || !IsFinite(bounds))
        return;
    if (near(bounds)) {
        strokeNear(points, closed, pen);
        return;
    }
    for (const PolylineF& piece : ClipPolyline(points, window(&pen), closed))
        strokeNear(piece, false, pen);
}

void PixelShapes::strokeNear(std::span<const QPointF> points, bool closed, const PixelPen& pen)
{
    const size_t n = points.size();
    if (n == 0)
        return;
    if (Thin(pen)) {
        raster_.thinPolyline(points, closed, pen.colour, pen.dotted);
        return;
    }
    std::vector<QPointF> path(points.begin(), points.end());
    if (closed && n > 2)
        path.push_back(path.front());
    if (path.size() == 1)
        raster_.wideLine(path[0], path[0], pen.width, pen.colour, true);
    else
        raster_.widePath(path, pen.width, pen.colour);
}

void PixelShapes::fill(std::span<const QPointF> points, const Ink& ink)
{
    fill(points, BoundsOf(points), ink);
}

void PixelShapes::fill(std::span<const QPointF> points, const QRectF& bounds, const Ink& ink)
{
    if (points.size() < 3 || !IsFinite(bounds))
        return;
    if (near(bounds))
        raster_.polygonFill(points, ink);
    else
        raster_.polygonFill(ClipPolygon(points, window(nullptr)), ink);
}

void PixelShapes::shape(std::span<const QPointF> points, const Ink* ink, const PixelPen* pen)
{
    const QRectF bounds = BoundsOf(points);
    if (ink)
        fill(points, bounds, *ink);
    if (pen)
        stroke(points, bounds, true, *pen);
}

void PixelShapes::ellipse(const QRectF& outline, const Ink* ink, const PixelPen* pen)
{
    if (!IsFinite(outline))
        return;
    const double reach = pen ? std::max(pen->width, 1.0) : 1.0;
    if (pen && !pen->dotted && near(outline.adjusted(-reach, -reach, reach, reach))) {
        raster_.ellipse(outline, pen->width, pen->colour, ink);
        return;
    }
    const QRectF clip = window(pen);
    shape(EllipsePoints(outline, 0, 360, &clip), ink, pen);
}

void PixelShapes::arc(const QRectF& outline, double startDeg, double spanDeg, const PixelPen& pen)
{
    if (!IsFinite(outline))
        return;
    const double reach = std::max(pen.width, 1.0);
    if (!pen.dotted && near(outline.adjusted(-reach, -reach, reach, reach))) {
        raster_.arc(outline, startDeg, spanDeg, pen.width, pen.colour);
        return;
    }
    const QRectF clip = window(&pen);
    stroke(EllipsePoints(outline, startDeg, spanDeg, &clip), false, pen);
}

void PixelShapes::roundRect(const QRectF& outline, double rx, double ry, const Ink* ink,
                            const PixelPen* pen)
{
    if (!IsFinite(outline) || !std::isfinite(rx) || !std::isfinite(ry))
        return;
    const QRectF clip = window(pen);
    shape(RoundRectPoints(outline, std::max(0.0, rx), std::max(0.0, ry), &clip), ink, pen);
}

} // namespace kel
