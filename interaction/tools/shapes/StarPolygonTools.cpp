// The star round a centre and the regular polygon on an existing line. Both
// take a fixed number of clicks, follow the wheel for their number of points
// or sides, and are written by F10 as one polygon record; F10 before there is
// a figure to write does nothing.

#include "figures/Measures.h"
#include "figures/RegularPolygons.h"
#include "figures/Stars.h"
#include "figures/TableQueries.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/Controls.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

using namespace curvetools;

const QString kPressF10 = QStringLiteral("Press F10 key to save");

std::int32_t& countParameter(Editor& editor)
{
    return editor.tool.construction.slot[ConstructionState::kCount];
}

// The wheel sets the number of points or sides, at least 3; past 120 it
// drops to 12.
void wheelCount(Editor& editor, int notches)
{
    std::int32_t& count = countParameter(editor);
    forEachNotch(notches, [&](int step) {
        count += step;
        if (count < 3)
            count = 3;
        if (count > 120)
            count = 12;
        showControlValue(editor.ui(), Control::edtvar1, count);
    });
}

// Clicks: the centre (P1), the first radius (P2), the second radius (P3).
// From the second click on the outline follows the pointer, and after the
// third it stays with the frozen points; F10 writes what is shown.
class StarTool : public Tool {
public:
    static constexpr int kClicks = 3;

    void start(Editor& editor) override
    {
        countParameter(editor) = 4;
        const AttributePanel& panel = editor.doc.panel;
        editor.doc.current.brushStyle = panel.transparentObjects ? 0 : panel.brushPattern.value;
        editor.ui().message(QStringLiteral(
            "1st click is set center of star 2nd click set inner/outer radius \r\nuse mouse "
            "wheel for number of it sides, press F10 or mouse left to finish"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        std::int32_t& radius = state.slot[ConstructionState::kRadius];
        switch (state.clicks()) {
        case 0:
            state.setPoint(0, pos);
            return;
        case 1:
            state.setPoint(1, pos);
            radius = require(PointDistance(state.point(0), pos));
            editor.ui().setStatus(
                3, QStringLiteral("R1=%1 N=%2").arg(radius).arg(countParameter(editor)));
            return;
        case 2:
            state.setPoint(2, pos);
            break;
        default:
            break;
        }
        const int second = require(PointDistance(state.point(0), state.point(2)));
        if (!StarPoints(state, editor.surfaceCanvas(), editor.doc.current, editor.tool.vertices,
                        state.point(0), radius, second, countParameter(editor)))
            editor.tool.vertices.clear(); // no star here: nothing to write
    }

    void click(Editor& editor, QPoint) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() >= kClicks) {
            editor.ui().message(kPressF10);
            return;
        }
        // A second radius that makes no star is not taken.
        if (state.clicks() == 2 && editor.tool.vertices.empty())
            return;
        ++state.clicks();
    }

    void finish(Editor& editor) override
    {
        // The outline shown is the one the move branch has just made.
        if (editor.tool.construction.clicks() < 2 || editor.tool.vertices.empty())
            return;
        FinishPolyObject(editor.doc, RecordKind::Polygon, editor.tool.vertices, std::nullopt);
        editor.CancelTool();
    }

    void wheel(Editor& editor, int notches) override { wheelCount(editor, notches); }
};

// The first click picks the line nearest to the pointer as the polygon's
// side; the polygon stands on the pointer's side of it until the second
// click fixes that side (P3). The polygon's centre comes with it as a point.
class SidePolygonTool : public Tool {
public:
    static constexpr int kClicks = 2;

    void start(Editor& editor) override
    {
        countParameter(editor) = 3;
        const AttributePanel& panel = editor.doc.panel;
        editor.doc.current.brushStyle = panel.transparentObjects ? -1 : panel.brushPattern.value;
        editor.ui().message(QStringLiteral(
            "1st click select the line that a polygon will be constructed on it \r\nthen use "
            "mouse wheel select the total sides, F10 will complete the action"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        Canvas& canvas = editor.surfaceCanvas();
        if (state.clicks() == 0) {
            const std::optional<RowHit> hit = NearestLine(editor.doc.table, pos);
            state.slot[ConstructionState::kSize] = hit ? hit->row : -1;
            if (hit) {
                DrawGuide(canvas, pos, hit->point);
                DrawPoint(canvas, editor.doc.current, hit->point, 1);
            }
            return;
        }
        const QPoint side = state.clicks() >= kClicks ? state.point(2) : pos;
        if (!RegularPolygonOnSide(editor.doc, state, canvas, editor.tool.vertices, state.point(0),
                                  state.point(1), countParameter(editor), side,
                                  FigureStep::Preview))
            editor.tool.vertices.clear();
    }

    void click(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        switch (state.clicks()) {
        case 0: {
            // With no line near there is nothing to build on.
            const std::optional<LineEnds> line =
                LineRowEnds(editor.doc.table, state.slot[ConstructionState::kSize]);
            if (!line)
                return;
            state.setPoint(0, line->a);
            state.setPoint(1, line->b);
            break;
        }
        case 1:
            if (editor.tool.vertices.empty())
                return;
            state.setPoint(2, pos);
            break;
        default:
            editor.ui().message(kPressF10);
            return;
        }
        ++state.clicks();
    }

    void finish(Editor& editor) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() < 1)
            return;
        const QPoint side = state.clicks() >= kClicks ? state.point(2) : editor.tool.mouse;
        std::optional<RegularPolygon> polygon =
            RegularPolygonVertices(state.point(0), state.point(1), countParameter(editor), side);
        if (!polygon)
            return;
        state.setPoint(kPolygonCentrePoint, polygon->centre);
        state.clicks() = countParameter(editor);
        FinishPolyObject(editor.doc, RecordKind::Polygon, polygon->vertices, polygon->centre);
        editor.CancelTool();
    }

    void wheel(Editor& editor, int notches) override { wheelCount(editor, notches); }
};

} // namespace

void registerStarPolygonTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<StarTool>(), {ToolMode::Star});
    tools.add(std::make_shared<SidePolygonTool>(), {ToolMode::RegularPolygon});
}

} // namespace kel
