#pragma once
// Circles and arcs through given points, tangents, and the nearest point of a
// circle. Angles are directions seen from a circle's centre, whole degrees
// 0..359, counter-clockwise on the screen.

#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "model/Attributes.h"
#include "model/Canvas.h"

#include <QPoint>

#include <array>
#include <optional>

namespace kel {

// Of the two points where the line through the centre and p cuts the circle,
// the one nearer to p (the second on equal distances), with its distance.
std::optional<MeasuredPoint> NearestPointOnCircle(QPoint centre, int radius, QPoint p);

struct Tangents {
    PointPair points;
    int length = 0; // from the outside point to the first tangent point
};

// The two tangent points from p, by the Thales circle over p and the centre.
// Nothing when p lies on or inside the circle or the construction fails.
std::optional<Tangents> TangentPoints(QPoint centre, int radius, QPoint p);

struct CircleFit {
    QPoint centre;
    int radius = 0;
};

// The circle through three points; nothing when they are collinear.
std::optional<CircleFit> CircleThrough3Points(QPoint p1, QPoint p2, QPoint p3);

// Direction of p seen from centre, measured against the point radius pixels
// to the right of the centre (so it is as coarse as AngleAtVertex): 0..359.
int AngleOnCircle(QPoint centre, int radius, QPoint p);

// Directions of the three points seen from the centre of their circle. Three
// points on one vertical give 90, 90, 0; other collinear points have no
// circle and give nothing.
std::optional<std::array<int, 3>> PointAnglesOnCircle(QPoint p1, QPoint p2, QPoint p3);

struct ArcTurn {
    bool counterClockwise = true;
    std::optional<int> sweep; // degrees from p1 through p2 to p3
};

// Whether going counter-clockwise from p1 one meets p2 before p3. Two equal
// points count as counter-clockwise without a sweep; collinear points that
// are not all on one vertical give nothing.
std::optional<ArcTurn> ArcOrientation(QPoint p1, QPoint p2, QPoint p3);

// Draws the arc from p1 through p2 to p3 with the current pen (a width below
// 1 draws dotted) and gives its radius. Collinear points get the two segments
// p1-p2 and p2-p3 instead, and no radius. The canvas pen is put back.
std::optional<int> DrawArc3Points(Canvas& canvas, const CurrentAttributes& current, QPoint p1,
                                  QPoint p2, QPoint p3);

} // namespace kel
