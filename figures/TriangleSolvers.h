#pragma once
// Triangles from three numbers typed on the Triangle page: three sides, or
// two angles and the side between them, or two sides and the angle between
// them. The base always starts at the given point and runs horizontally to
// the right; the apex lies above or below it.
//
// Naming: A is the left end of the base, B its right end, C the apex;
// a = BC, b = AC, c = AB; angle A is the interior angle at A. Sides are whole
// pixels, angles whole degrees.
//
// Every solver returns its verdict for the caller to show in the status label
// "lbstatus": "Valid Triangle" in black, or "Invalid Triangle" in red. The
// SSS step uses the text without a trailing blank; the ASA and SAS checks
// that run before it use "Invalid Triangle " with one. An invalid triangle
// draws and appends nothing.

#include "figures/FigureStep.h"
#include "model/Canvas.h"
#include "model/Colour.h"
#include "model/Controls.h"
#include "model/Document.h"

#include <QPoint>
#include <QString>

namespace kel {

inline constexpr int kTriangleValid = 0;
inline constexpr int kTriangleInvalid = 4;

inline constexpr Control kStatusLabel = Control::lbstatus;
inline const QString kValidTriangle = QStringLiteral("Valid Triangle");
inline const QString kInvalidTriangle = QStringLiteral("Invalid Triangle");
inline const QString kInvalidTriangleInput = QStringLiteral("Invalid Triangle ");
inline constexpr Colour kValidTriangleColour = kBlack;
inline constexpr Colour kInvalidTriangleColour = 0x0000FF; // red

struct TriangleResult {
    int code = kTriangleInvalid; // kTriangleValid or kTriangleInvalid
    QString status;              // the text for kStatusLabel
    // The corners, set when the triangle was made.
    QPoint pointA;
    QPoint pointB;
    QPoint apex;
    // Sides and angles as the solver knows them: the given values, the ones
    // it computed (see each solver), 0 for what it never reached.
    int sideA = 0;
    int sideB = 0;
    int sideC = 0;
    int angleA = 0;
    int angleB = 0;
    int angleC = 0;

    bool valid() const { return code == kTriangleValid; }
    Colour statusColour() const { return valid() ? kValidTriangleColour : kInvalidTriangleColour; }
};

// Three sides. A = start, B = start + (c, 0); C is where the circles of
// radius b about A and a about B meet, the upper meeting point when
// apexAbove is set, else the lower one. The angles come from the law of
// cosines on the three sides. Preview draws C-A red, C-B green and A-B blue
// with the current pen width; Create appends the line records C-A, C-B and
// A-B. A side below 1, circles that do not meet or a corner outside the
// plane make the triangle invalid.
TriangleResult TriangleFromSides(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                 int a, int c, int b, bool apexAbove);

// Angle A, base c, angle B. Valid when C = 180 - A - B is 1..178, A and B
// are below 179 and the computed sides a = c sin A / sin C and
// b = c sin B / sin C (rounded) are at least 1; then as TriangleFromSides.
// Angle C is 180 - A - B.
TriangleResult TriangleFromASA(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                               int angleA, int c, int angleB, bool apexAbove);

// Side b = AC, angle A, base c. Valid when A is 2..178, b and c are at least
// 1 and the computed side a (law of cosines, rounded) is at least 1; angle C
// follows from the three sides and B = 180 - (C + A). Then as
// TriangleFromSides.
TriangleResult TriangleFromSASLeft(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                   int b, int angleA, int c, bool apexAbove);

// The mirror case: side a = BC, angle B, base c; computes b, angle C and
// A = 180 - (C + B).
TriangleResult TriangleFromSASRight(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                    int a, int angleB, int c, bool apexAbove);

} // namespace kel
