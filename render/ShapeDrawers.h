#pragma once
// One drawing routine per kind of figure. Each paints on the canvas it is
// given and takes its pen and brush from the current attributes, so the
// renderer, the row highlight and the tools' previews draw alike. Every
// drawer that sets a brush sets it back to none afterwards, so the next
// outline is not filled by accident.

#include "model/Attributes.h"
#include "model/Canvas.h"
#include "model/Document.h"

#include <QPoint>

#include <vector>

namespace kel {

inline constexpr CanvasBrush kNoBrush{kWhite, BrushStyle::Clear};

// The pen most drawers use: the current pen colour, solid of the current
// width, dotted (one pixel) when the width is 0.
CanvasPen StandardPen(const CurrentAttributes& current);

// Brush style numbers of records become brushes in one of two ways; each
// drawer uses a fixed one. Numbers outside 0..7 give a solid brush.
// Filled circles, polygons and bordered labels: 0 none, 1 solid, 2..7 hatches.
CanvasBrush FillRuleBrush(int style, Colour colour);
// Filled round rectangles and flood fills: 0 solid, 1 none, 2..7 hatches.
CanvasBrush PlatformRuleBrush(int style, Colour colour);

void DrawLine(Canvas& canvas, const CurrentAttributes& current, QPoint from, QPoint to);
// The corners may come in any order.
void DrawRectangle(Canvas& canvas, const CurrentAttributes& current, QPoint corner1,
                   QPoint corner2);
// In the bounding box; with a dotted pen never filled.
void DrawEllipse(Canvas& canvas, const CurrentAttributes& current, QPoint corner1, QPoint corner2);
// A corner value below 1 means filled with the current brush, corners of
// size -corner; otherwise an outline with corners of that size.
void DrawRoundRect(Canvas& canvas, const CurrentAttributes& current, QPoint corner1, QPoint corner2,
                   int corner);
// Inverts a dotted outline: drawing it twice removes it.
void DrawFocusRect(Canvas& canvas, QPoint corner1, QPoint corner2);
void DrawCircle(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius);
// Filled with the current brush colour by the fill rule.
void DrawFilledCircle(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius);
// Counter-clockwise on the screen from startAngle to endAngle (degrees); the
// same angle twice gives the whole circle. Circles whose box leaves the
// 32-bit range are drawn too, as far as they reach the canvas.
void DrawArc(Canvas& canvas, const CurrentAttributes& current, QPoint centre, int radius,
             int startAngle, int endAngle);
// Where an arc starts and ends on the screen, in 64 bits: centre plus the
// rounded radius vector of the (single-precision) angle, y flipped.
struct ArcEnd {
    long long x;
    long long y;
};
ArcEnd ArcEndPoint(QPoint centre, int radius, int angle);
// `cells` x `cells` cells of `cellSize` growing up and to the right from
// `origin`, the lower-left corner. Only the lines that can reach the canvas
// are drawn, whatever the count.
void DrawGrid(Canvas& canvas, const CurrentAttributes& current, QPoint origin, int cells,
              int cellSize);
// The grid tool's click: appends a visible grid record with the current pen
// instead of drawing. Returns its row.
int AddGridRow(Document& doc, QPoint origin, int cells, int cellSize);
// Shape 0 yellow dot, 1 and 2 black dots of radius 3 and 2, 3 black square,
// any other number n a hollow black circle of radius |n|.
void DrawPoint(Canvas& canvas, const CurrentAttributes& current, QPoint at, int shape);
// Floods from the seed up to the border colour with `colour` by the
// platform rule of `style`.
void DrawFill(Canvas& canvas, QPoint seed, int style, Colour border, Colour colour);
// The rectangle filled with the colour, no outline; corners in any order.
void DrawBlock(Canvas& canvas, QPoint corner1, QPoint corner2, Colour colour);
// Closed, filled by the alternate rule with the current brush (fill rule).
void DrawPolygon(Canvas& canvas, const CurrentAttributes& current,
                 const std::vector<QPoint>& points);

} // namespace kel
