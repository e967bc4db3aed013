#pragma once
// Shapes that reach far beyond the canvas. Rows may hold any 32-bit value, so
// a circle can have a radius of two thousand million pixels while only a
// few of its pixels land on the canvas. Such shapes are flattened into
// polygons in double precision and clipped to a window a little larger than
// the canvas, so the rasteriser only ever sees moderate coordinates and the
// work stays proportional to what can be seen.

#include <QPointF>
#include <QRectF>

#include <span>
#include <vector>

namespace kel {

using PolylineF = std::vector<QPointF>;

// The rectangle a box (left, top, right, bottom; right and bottom excluded)
// outlines: its corners are the first and last pixel centres. Normalised.
QRectF OutlineRect(double left, double top, double right, double bottom);

// Points on the ellipse inscribed in `rect`, counter-clockwise as seen on the
// screen (y down) from startDeg over spanDeg degrees, close enough to the
// true curve for aliased drawing. A span of 360 or more gives a closed ring
// whose last point repeats the first. With a window, only the parts that
// can reach it are followed closely; elsewhere coarse chords stand in,
// which never enter the window either.
PolylineF EllipsePoints(const QRectF& rect, double startDeg, double spanDeg,
                        const QRectF* window = nullptr);

// The corners of a rounded rectangle with corner ellipses of rx by ry,
// flattened, closed.
PolylineF RoundRectPoints(const QRectF& rect, double rx, double ry, const QRectF* window = nullptr);

// A cubic Bezier curve from p0 to p3 with controls c1 and c2, flattened.
PolylineF BezierPoints(QPointF p0, QPointF c1, QPointF c2, QPointF p3);

// Clips the segment a-b to the window; false when nothing of it is inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& window);

// The pieces of a polyline that lie inside the window. With `closed` the last
// point joins the first.
std::vector<PolylineF> ClipPolyline(std::span<const QPointF> points, const QRectF& window,
                                    bool closed);

// A polygon clipped to the window (Sutherland-Hodgman). Inside the window
// every point keeps its winding number, so both fill rules still hold there;
// the edges the clipping adds run along the window's border.
PolylineF ClipPolygon(std::span<const QPointF> points, const QRectF& window);

} // namespace kel
