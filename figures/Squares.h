#pragma once
// Squares on an existing line, taken as a side or as a diagonal. The picked
// line itself is not appended again; the new sides are line records with the
// current pen, and a side too short for a line record is refused on its own
// by AddLineRow while the others are still appended.

#include "model/Canvas.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>

namespace kel {

inline const QString kSquareDirectionQuestion =
    QStringLiteral("Is the direction of this square correct ?");

// Side A-B. The square on the left of the direction A to B (as seen on the
// screen) is previewed on the canvas, B-Q1, Q1-D1 and D1-A, and the user is
// asked whether it is the right one. Yes appends Q1-B, Q1-D1 and A-D1; any
// other answer appends the mirror-image square on the right, Q2-B, Q2-D2 and
// A-D2. False, with nothing drawn, asked or appended, when A = B or a corner
// leaves the plane.
bool SquareOnSide(Document& doc, Canvas& canvas, QPoint a, QPoint b);

// Diagonal A-B. The other corners C1, C2 are where the circles of radius
// |AB| / sqrt(2) about A and B meet; appends C1-A, C1-B, C2-A and C2-B.
// False, with nothing appended, when the circles do not meet.
bool SquareOnDiagonal(Document& doc, QPoint a, QPoint b);

} // namespace kel
