// Marks on the picked line: an arrowhead and ticks across it.

#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

using namespace curvetools;

constexpr int kArrowLength = 12;
constexpr int kArrowHalfWidth = 5;
constexpr int kTickHalfLength = 6;

// Of two points, the one nearer to p; the first on equal distances.
QPoint Nearer(QPoint p, const PointPair& pair)
{
    const int d1 = require(PointDistance(p, pair.first));
    const int d2 = require(PointDistance(p, pair.second));
    return d2 < d1 ? pair.second : pair.first;
}

// An arrowhead on the line with its tip at P3 and its base 12 pixels along
// the line, 10 pixels wide. Before the first click the tip follows the
// pointer's foot on the line; the click fixes the tip, and from then on the
// base turns to the pointer's side of it, so the arrow points away from the
// pointer. The second click writes it as a polygon and the tool goes on.
class ArrowheadTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral(
            "2 clicks are needed.\r\n1st click the vertex of arrow, 2nd click done"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ToolState& tool = editor.tool;
        ConstructionState& state = tool.construction;
        tool.vertices.clear();
        const std::optional<LineEnds> line = LineRowEnds(editor.doc.table, tool.pickedRow);
        if (!line)
            return;
        if (state.clicks() == 0) {
            const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, line->a, line->b);
            if (!foot)
                return;
            state.setPoint(2, foot->point);
        }
        const QPoint tip = state.point(2);
        const std::optional<PointPair> along =
            IntersectLineCircle(tip, kArrowLength, line->a, line->b);
        if (!along)
            return;
        const QPoint base = Nearer(pos, *along);
        state.setPoint(3, base);
        const std::optional<SidePoints> corners = PerpendicularPoints(tip, base, kArrowHalfWidth);
        if (!corners)
            return;
        tool.vertices = {tip, corners->left, corners->right};
        // As the polygon record will draw it: filled unless objects are
        // transparent.
        CurrentAttributes look = editor.doc.current;
        if (editor.doc.panel.transparentObjects)
            look.brushStyle = 0;
        DrawPolygon(editor.surfaceCanvas(), look, tool.vertices);
    }

    void click(Editor& editor, QPoint) override
    {
        ToolState& tool = editor.tool;
        // No arrowhead where the pointer is (no line, or a line of one point).
        if (tool.vertices.size() != 3)
            return;
        if (++tool.construction.clicks() < 2)
            return;
        FinishPolyObject(editor.doc, RecordKind::Polygon, tool.vertices, std::nullopt);
        tool.construction.clicks() = 0;
        editor.RedrawAll();
    }
};

// A tick 12 pixels long across the line at the pointer's foot F (P3), from
// P4 to P5, one per click.
class TickTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral(
            "1 click for placing a tick anywhere on the line\r\nPress Esc key when done"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        const std::optional<LineEnds> line = LineRowEnds(editor.doc.table, editor.tool.pickedRow);
        if (!line)
            return;
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, line->a, line->b);
        if (!foot)
            return;
        const QPoint f = foot->point;
        state.setPoint(2, f);
        // Square to the line itself: the direction from the end farther from
        // F is the line's own, also where F falls on the midpoint.
        const int toA = require(PointDistance(f, line->a));
        const int toB = require(PointDistance(f, line->b));
        const QPoint from = toB > toA ? line->b : line->a;
        const std::optional<SidePoints> ends = PerpendicularPoints(from, f, kTickHalfLength);
        // A line of one point has no direction: the tick shrinks to F and the
        // click refuses it as too short.
        state.setPoint(3, ends ? ends->left : f);
        state.setPoint(4, ends ? ends->right : f);
        Canvas& canvas = editor.surfaceCanvas();
        DrawPoint(canvas, editor.doc.current, f, 1);
        DrawLine(canvas, editor.doc.current, state.point(3), state.point(4));
    }

    void click(Editor& editor, QPoint) override
    {
        ConstructionState& state = editor.tool.construction;
        if (!LineRowEnds(editor.doc.table, editor.tool.pickedRow))
            return;
        const QPoint p4 = state.point(3);
        const QPoint p5 = state.point(4);
        if (AddLineRow(editor.doc, p4.x(), p4.y(), p5.x(), p5.y()))
            editor.RedrawAll();
    }
};

} // namespace

void registerLineMarkTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<ArrowheadTool>(), {ToolMode::Arrowhead});
    tools.add(std::make_shared<TickTool>(), {ToolMode::TickLine});
}

} // namespace kel
