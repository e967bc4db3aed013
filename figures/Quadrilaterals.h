#pragma once
// Corners of the quadrilaterals built on an existing line, and the sides a
// polyline or polygon falls into. Integer arithmetic in wide intermediates;
// nothing comes back when a corner leaves the 32-bit plane.

#include <QPoint>

#include <optional>
#include <span>
#include <vector>

namespace kel {

// The parallelogram with side A-B and the corner C next to A: D = C + (B - A).
std::optional<QPoint> ParallelogramOnSide(QPoint a, QPoint b, QPoint c);

// The parallelogram with diagonal A-B and the corner C: D = 2M - C, M the
// integer midpoint of A-B (halves truncated toward zero).
std::optional<QPoint> ParallelogramOnDiagonal(QPoint a, QPoint b, QPoint c);

// The far corners of the rectangle on side A-B that is `width` deep on the
// pointer's side: at each end the point `width` away on the perpendicular,
// the one nearer the pointer (the first on equal distances).
struct RectangleCorners {
    QPoint nextToA;
    QPoint nextToB;
};
std::optional<RectangleCorners> RectangleOnSide(QPoint a, QPoint b, int width, QPoint pointer);

struct Side {
    QPoint from;
    QPoint to;
};

// The sides of a point list x0 y0 x1 y1 ... (an odd number at the end is
// ignored): each vertex joined to the next and, for a closed polygon, the
// last joined to the first unless the list already ends where it began.
std::vector<Side> PolySides(std::span<const int> numbers, bool closed);

} // namespace kel
