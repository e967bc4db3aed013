#pragma once
// Distances and angles between points of the drawing surface: the basic
// measures of the plane-figure library. Coordinates are pixels, angles whole
// degrees.

#include <QPoint>

#include <optional>

namespace kel {

// Distance from p1 to p2 rounded to the nearest integer. Nothing when it does
// not fit a 32-bit int (the action asking for it must stop).
std::optional<int> PointDistance(QPoint p1, QPoint p2);

// Angle a-vertex-b in whole degrees 0..180, never signed. The three side
// lengths are rounded before the law of cosines, so small figures come out
// coarse. 0 when a or b coincides with the vertex or a and b are less than 3
// pixels apart.
int AngleAtVertex(QPoint vertex, QPoint a, QPoint b);

} // namespace kel
