#pragma once
// Where lines and circles meet. Lines are infinite, given by two points; no
// routine keeps its answer inside a segment. Every answer is rounded to whole
// pixels, and nothing comes back when there is no meeting point or a result
// leaves the 32-bit plane.

#include <QPoint>

#include <optional>

namespace kel {

struct PointPair {
    QPoint first;
    QPoint second;
};

// The crossing of line a1-a2 with line b1-b2; nothing for parallel lines (a
// line whose two points coincide counts as parallel to everything).
std::optional<QPoint> IntersectLines(QPoint a1, QPoint a2, QPoint b1, QPoint b2);

// The circle (centre, radius) cut by the line l1-l2. Order: on a vertical
// line the upper point first, on a sloped line the one with the larger x, on
// a horizontal line the left one. A tangent gives two equal points.
std::optional<PointPair> IntersectLineCircle(QPoint centre, int radius, QPoint l1, QPoint l2);

// The two circles' meeting points. Nothing for equal centres, radii of 0 or
// less, and circles that do not meet. Circles whose distance is within 1 of
// the sum of the radii count as touching: both points are the foot of the
// common chord. Centres one above the other: the right point first; side by
// side: the lower point first; otherwise as IntersectLineCircle orders the
// points of the common chord (larger x first).
std::optional<PointPair> IntersectCircles(QPoint c1, int r1, QPoint c2, int r2);

} // namespace kel
