// The interpolation graph: the polynomial curve through clicked points.
//
// The vertex list holds the clicked points and, last, one floating entry that
// follows the pointer; F10 ends the graph at the pointer. A polynomial curve
// can only be drawn through 2 to 26 points with different x, so a click that
// would break that is refused with a message, and the floating entry joins
// the graph only where it can.

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/RowRoutines.h"
#include "render/CurveDrawers.h"
#include "render/ShapeDrawers.h"

#include <algorithm>

namespace kel {

namespace {

class GraphTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.tool.vertices.assign(1, editor.tool.mouse);
        editor.ui().message(
            QStringLiteral("Click anywhere for graph points, press F10 key at last point to "
                           "finish\r\nPress Back Key if needed, Esc to Cancel graph "));
    }

    void move(Editor& editor, QPoint pos) override
    {
        settle(editor.tool);
        editor.tool.vertices.back() = pos;
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        const std::vector<QPoint> points = graphPoints(editor.tool);
        if (points.size() >= 2)
            DrawPolynomialGraph(canvas, current, points);
        for (const QPoint& point : points)
            DrawPoint(canvas, current, point, 1);
        if (points.size() < 2)
            DrawPoint(canvas, current, pos, 1);
    }

    void click(Editor& editor, QPoint pos) override
    {
        ToolState& tool = editor.tool;
        settle(tool);
        const std::vector<QPoint> clicked = clickedPoints(tool);
        if (clicked.size() >= static_cast<std::size_t>(kMaxPolynomialPoints)) {
            editor.ui().message(
                QStringLiteral("A graph passes through 26 points at most, press F10 to finish"));
            return;
        }
        if (usesX(clicked, pos.x())) {
            editor.ui().message(QStringLiteral(
                "There is a graph point with this x already, each point needs its own x"));
            return;
        }
        tool.vertices.back() = pos;
        ++tool.construction.clicks();
        tool.vertices.push_back(pos);
    }

    void backspace(Editor& editor) override
    {
        ToolState& tool = editor.tool;
        settle(tool);
        if (tool.construction.clicks() > 0) {
            --tool.construction.clicks();
            // The last clicked point becomes the floating one again.
            tool.vertices.pop_back();
        }
    }

    void finish(Editor& editor) override
    {
        settle(editor.tool);
        std::vector<QPoint> points = graphPoints(editor.tool);
        // One point makes no graph: F10 waits for another.
        if (points.size() < 2)
            return;
        FinishPolyObject(editor.doc, RecordKind::Polynomial, points, std::nullopt);
        editor.CancelTool();
    }

private:
    // One entry per click plus the floating one, whatever came before.
    static void settle(ToolState& tool)
    {
        const auto wanted = static_cast<std::size_t>(std::max(tool.construction.clicks(), 0)) + 1;
        if (tool.vertices.size() != wanted)
            tool.vertices.resize(wanted, tool.mouse);
    }

    static std::vector<QPoint> clickedPoints(const ToolState& tool)
    {
        return {tool.vertices.begin(), tool.vertices.end() - 1};
    }

    static bool usesX(const std::vector<QPoint>& points, int x)
    {
        return std::any_of(points.begin(), points.end(),
                           [x](const QPoint& p) { return p.x() == x; });
    }

    // What the graph would be now: the clicked points and the pointer, when
    // the pointer adds a point the graph can take.
    static std::vector<QPoint> graphPoints(const ToolState& tool)
    {
        std::vector<QPoint> points = clickedPoints(tool);
        const QPoint floating = tool.vertices.back();
        if (points.size() < static_cast<std::size_t>(kMaxPolynomialPoints) &&
            !usesX(points, floating.x()))
            points.push_back(floating);
        return points;
    }
};

} // namespace

void registerGraphTool(ToolRegistry& tools)
{
    tools.add(std::make_shared<GraphTool>(), {ToolMode::InterpolationGraph});
}

} // namespace kel
