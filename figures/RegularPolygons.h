#pragma once
// Regular polygons built on an existing side, and points spread evenly round
// a circle. Directions are degrees counter-clockwise on the screen from +x.

#include "figures/ConstructionState.h"
#include "figures/FigureStep.h"
#include "model/Canvas.h"
#include "model/Document.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace kel {

// The slots the polygon tool keeps the centre of its polygon in (18, 19).
inline constexpr int kPolygonCentrePoint = 9;

// `count` points on the circle, the first in direction startDegrees, spaced
// evenly over the sweep to endDegrees (360 added when the end lies before the
// start; the end itself is not reached). The running angle is kept in single
// precision. Of the points within 10 pixels of `a` the nearest becomes `a`
// exactly, and likewise the nearest other point within 10 pixels of `b`, so a
// given side's ends are vertices without rounding error. Nothing for a count
// below 1, above the sweep in degrees or above 360, directions beyond a
// million degrees, or a point outside the plane.
std::optional<std::vector<QPoint>> DistributeOnCircle(QPoint centre, int radius,
                                                      double startDegrees, double endDegrees,
                                                      int count, QPoint a, QPoint b);

struct RegularPolygon {
    QPoint centre;
    int radius = 0;               // circumradius
    std::vector<QPoint> vertices; // counter-clockwise from a, b among them
};

// The regular polygon with `sides` corners on the side a-b, on the side of
// the line where the pointer is: its centre is the meeting point of the
// circles of the circumradius about a and b nearer to the pointer (the second
// on equal distances). Nothing for fewer than 3 or more than 360 sides, a = b,
// or a corner outside the plane.
std::optional<RegularPolygon> RegularPolygonVertices(QPoint a, QPoint b, int sides, QPoint pointer);

// The polygon tool's step. The centre goes to slots 18, 19 and the corners
// into `vertices`. Preview marks the centre with a black dot and draws the
// polygon with a solid pen of the current width and colour, filled with the
// current brush colour by the brush style used directly (0 solid, 1 none,
// 2..7 hatches, anything else none). Create sets the click counter to the
// number of sides and appends the corners as one polygon record. False, with
// nothing changed, when RegularPolygonVertices gives nothing.
bool RegularPolygonOnSide(Document& doc, ConstructionState& state, Canvas& canvas,
                          std::vector<QPoint>& vertices, QPoint a, QPoint b, int sides,
                          QPoint pointer, FigureStep step);

} // namespace kel
