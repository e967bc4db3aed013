#pragma once
// What the point, line, circle and arc tools share: the click points as
// named slots, the value boxes of page T7, the previews they draw on the
// overlay, and the circle and arc rows they append.
//
// Every conversion from real to integer or sum that could leave the 32-bit
// plane goes through require(), so a value that does not fit ends the event
// with one message and leaves the table as it was.

#include "figures/ConstructionState.h"
#include "model/Colour.h"
#include "model/Controls.h"

#include <QPoint>
#include <QString>

#include <cstdint>
#include <optional>

namespace kel {

class Editor;

// The click points P1..P5 and the far end of a continued line, as point
// indices of the construction state (point(i) is slots 2i, 2i + 1).
namespace clickpoint {
inline constexpr int kP1 = 0;
inline constexpr int kP2 = 1;
inline constexpr int kP3 = 2;
inline constexpr int kP4 = 3;
inline constexpr int kP5 = 4;
inline constexpr int kFarEnd = 6; // slots 12 and 13
} // namespace clickpoint

// A slot value that stands for "none".
inline constexpr std::int32_t kNoValue = 2147483647;

// The colour of the dotted guides of the horizontal and vertical lines.
inline constexpr Colour kGuideColour = 0x770000;

// Shorthands on the tool state of the editor.
QPoint clickPoint(const Editor& editor, int index);
void setClickPoint(Editor& editor, int index, QPoint p);
std::int32_t& toolSlot(Editor& editor, int slot);
std::int32_t& clickCount(Editor& editor);

// (x, y) when it lies in the 32-bit plane, or the event fails.
QPoint requirePoint(std::int64_t x, std::int64_t y);
// p + (dx, dy), or the event fails when it leaves the 32-bit plane.
QPoint offsetPoint(QPoint p, std::int64_t dx, std::int64_t dy);
// The midpoint with each sum halved towards zero.
QPoint midPoint(QPoint a, QPoint b);

// The integer typed into a page control; nothing when its text is not one.
std::optional<int> controlNumber(Editor& editor, Control name);
// The result label of page T7: "OK" in black or "Error" in red.
void showValueVerdict(Editor& editor, bool ok);

// Previews on the overlay, with the current pen.
void previewLine(Editor& editor, QPoint from, QPoint to);
// Filled with the current brush unless "Trans. Objects" is checked.
void previewCircle(Editor& editor, QPoint centre, int radius);
void previewCircleOutline(Editor& editor, QPoint centre, int radius);
// A dotted guide line in the guide colour.
void previewGuide(Editor& editor, QPoint from, QPoint to);
void previewMark(Editor& editor, QPoint at, int shape);

// Appends a circle record with the current pen: filled (negative radius and
// the brush in column 7) unless "Trans. Objects" is checked.
void addCircleRow(Editor& editor, QPoint centre, int radius);
// Appends an arc record running counter-clockwise from start to end.
void addArcRow(Editor& editor, QPoint centre, int startAngle, int endAngle, int radius);

// The arc through three points: its circle, and the directions of the first
// and last point ordered so that the arc runs counter-clockwise from start to
// end and passes the middle point. Nothing when the points lie on one line
// or two of them coincide.
struct ArcFit {
    QPoint centre;
    int radius = 0;
    int startAngle = 0;
    int endAngle = 0;
};
std::optional<ArcFit> FitArc3Points(QPoint p1, QPoint p2, QPoint p3);

// The refusals of the tools that need a circle through three points.
inline const QString kNoCircleMessage =
    QStringLiteral("The 3 points lie on one line, circle not created");
inline const QString kNoArcMessage =
    QStringLiteral("The 3 points lie on one line, arc not created");

} // namespace kel
