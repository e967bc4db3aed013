#pragma once
// Drawing the two curve records: Bezier curves (B) through their two middle
// points and polynomial curves (K), the graph of the polynomial through
// their points. Both take the standard pen of the current attributes and
// reach as far as any 32-bit coordinate lets them; only what can land on the
// canvas is worked out and drawn.

#include "model/Attributes.h"
#include "model/Canvas.h"
#include "model/ObjectTable.h"
#include "render/CurveMath.h"

#include <QPoint>
#include <QString>

#include <optional>
#include <span>

namespace kel {

// The cubic from P0 to P3 through Q1 and Q2 (CurveMath.h), with the
// standard pen.
void DrawBezier(Canvas& canvas, const CurrentAttributes& current, const BezierRecordPoints& points);

// The graph of the polynomial through the points between the outermost
// ones, turned by `angle` degrees about `centre`, with the standard pen.
// False, and nothing drawn, when the polynomial does not exist (two points
// share an x, or more than 26 points).
bool DrawPolynomialGraph(Canvas& canvas, const CurrentAttributes& current,
                         std::span<const QPoint> points, int angle = 0, QPoint centre = {});

// Draws Bezier curve record `row` (letter B): column 3 the pen (read into
// the current pen colour and width), column 4 the point list P0 Q1 Q2 P3,
// shifted by minus `offset`. Highlighted, the pen is the highlight colour
// (red, black for a red curve) and one wider. A list of other than four
// points is left out. Gives why the row was left out, if it was.
std::optional<QString> DrawBezierRecord(Canvas& canvas, CurrentAttributes& current,
                                        const ObjectTable& table, int row, QPoint offset,
                                        bool highlight);

// Draws polynomial curve record `row` (letter K) likewise: column 3 the pen,
// column 4 the points. Fewer than 2 or more than 26 points are left out;
// points sharing an x draw nothing and are no problem.
std::optional<QString> DrawPolynomialRecord(Canvas& canvas, CurrentAttributes& current,
                                            const ObjectTable& table, int row, QPoint offset,
                                            bool highlight);

} // namespace kel
