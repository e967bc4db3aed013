#pragma once
// The pieces the curve and special-shape tools share: the Bezier curve held
// in slots 26..33, the Bezier row, the ends of the picked line and the
// preview pens.

#include "figures/ConstructionState.h"
#include "model/Canvas.h"
#include "model/Document.h"
#include "render/CurveMath.h"

#include <QPoint>

#include <optional>

namespace kel {

namespace curvetools {

// Slots 26..33 as points: P0, Q1, Q2, P3 of the curve being made or edited.
inline constexpr int kCurveFirst = 13; // point(13) = slots 26, 27
inline constexpr int kCurveQ1 = 14;
inline constexpr int kCurveQ2 = 15;
inline constexpr int kCurveLast = 16;

inline BezierRecordPoints CurveSlots(const ConstructionState& state)
{
    return {state.point(kCurveFirst), state.point(kCurveQ1), state.point(kCurveQ2),
            state.point(kCurveLast)};
}

inline void SetCurveSlots(ConstructionState& state, const BezierRecordPoints& points)
{
    for (int i = 0; i < 4; ++i)
        state.setPoint(kCurveFirst + i, points[static_cast<std::size_t>(i)]);
}

// The four points of a point-list cell; missing or unreadable numbers are 0.
// Only the first `maxChars` characters are read when it is given.
BezierRecordPoints ParseCurvePoints(const QString& cell, int maxChars = -1);

// Appends a visible Bezier curve record with the current pen; gives its row.
int AddBezierRow(Document& doc, const BezierRecordPoints& points);

// The ends of the line record in `row` (columns 4..7, 100 where a cell is
// not a number); nothing when the row is not a line in use.
struct LineEnds {
    QPoint a;
    QPoint b;
};
std::optional<LineEnds> LineRowEnds(const ObjectTable& table, int row);

// A dotted black guide line on the preview.
void DrawGuide(Canvas& canvas, QPoint from, QPoint to);

} // namespace curvetools

} // namespace kel
