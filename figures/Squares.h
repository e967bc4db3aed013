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

// The question a square tool asks between the preview and the append.
inline const QString kSquareDirectionQuestion =
    QStringLiteral("Is the direction of this square correct ?");

// Which side of the direction A to B (as seen on the screen) a square on the
// side A-B stands.
enum class SquareSide { Left, Right };

// Side A-B: previews the square on the left, B-Q1, Q1-D1 and D1-A, on the
// canvas with the current pen (the canvas pen is put back). False, with
// nothing drawn, when A = B or a corner of either square leaves the plane.
bool PreviewSquareOnSide(const Document& doc, Canvas& canvas, QPoint a, QPoint b);

// Side A-B: appends the square on the given side, Q1-B, Q1-D1 and A-D1 on the
// left or Q2-B, Q2-D2 and A-D2 on the right. False, with nothing appended,
// exactly when PreviewSquareOnSide draws nothing.
bool SquareOnSide(Document& doc, QPoint a, QPoint b, SquareSide side);

// Diagonal A-B. The other corners C1, C2 are where the circles of radius
// |AB| / sqrt(2) about A and B meet; appends C1-A, C1-B, C2-A and C2-B.
// False, with nothing appended, when the circles do not meet.
bool SquareOnDiagonal(Document& doc, QPoint a, QPoint b);

} // namespace kel
