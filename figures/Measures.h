#pragma once
// Distances and angles between points of the drawing surface: the basic
// measures of the plane-figure library. Coordinates are pixels, angles whole
// degrees, counter-clockwise as seen on the screen from the +x direction.

#include "figures/ConstructionState.h"

#include <QPoint>

#include <cstdint>
#include <optional>

namespace kel {

// Distance from p1 to p2 rounded to the nearest integer. Nothing when it does
// not fit a 32-bit int (the action asking for it must stop).
std::optional<int> PointDistance(QPoint p1, QPoint p2);
// The same distance worked out in double precision, then rounded.
std::optional<int> PointDistanceF(QPoint p1, QPoint p2);

// A point found by a routine together with its rounded distance from the
// point the routine measured from.
struct MeasuredPoint {
    QPoint point;
    int distance = 0;
};

constexpr std::int64_t IntAbs(std::int64_t n)
{
    return n < 0 ? -n : n;
}

// Angle a-vertex-b in whole degrees 0..180, never signed. The three side
// lengths are rounded before the law of cosines, so small figures come out
// coarse. 0 when a or b coincides with the vertex or a and b are less than 3
// pixels apart.
int AngleAtVertex(QPoint vertex, QPoint a, QPoint b);

// Direction of p seen from origin, 0..360: 90 straight above, 270 straight
// below. A point right of the origin but lower gives 360, not 0.
int DirectionAngle(QPoint origin, QPoint p);

struct AnglePair {
    int first = 0;
    int second = 0;
};

// Directions of p and q seen from the centre of the box with corners c1 and
// c2, measured from the point on the box's right edge level with the centre;
// 0..359. Serves elliptic arcs and pies whose box and end points are known.
AnglePair BoxCentreAngles(QPoint c1, QPoint c2, QPoint p, QPoint q);

// Counter-clockwise sweep from direction a to direction b: b - a, plus 360
// when negative.
int SweepDegrees(int a, int b);

// Area of the triangle p1 p2 p3 in square pixels by the trapezoid formula,
// halved with truncation. Nothing when it exceeds 64 bits.
std::optional<std::int64_t> TriangleArea(QPoint p1, QPoint p2, QPoint p3);
// The same for the three click points held in slots 0..5.
std::optional<std::int64_t> TriangleArea(const ConstructionState& state);

} // namespace kel
