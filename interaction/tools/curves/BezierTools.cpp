// The four-point Bezier curve and the marking of points on a picked curve.

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/RowRoutines.h"
#include "render/CurveDrawers.h"
#include "render/ShapeDrawers.h"

namespace kel {

namespace {

using namespace curvetools;

// Four clicks: the first point, the last point, then the two inner points,
// all of them points the curve passes through.
class FourPointBezierTool : public ClickSequenceTool {
public:
    FourPointBezierTool()
        : ClickSequenceTool(
              4, AfterLast::Ends,
              QStringLiteral(
                  "4 clicks are needed to complete any arbitrary Bezier curve\r\n"
                  "1st click is 1st point of curve, 2nd click is the 4th point of curve\r\n"
                  "3rd and 4th clicks are the 2nd and 3rd point of the curve\r\n"
                  "Press Back Space key if needed"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        Canvas& canvas = editor.surfaceCanvas();
        const CurrentAttributes& current = editor.doc.current;
        switch (state.clicks()) {
        case 0:
            state.setPoint(kCurveFirst, pos);
            break;
        case 1:
            state.setPoint(kCurveLast, pos);
            DrawLine(canvas, current, state.point(kCurveFirst), pos);
            break;
        case 2:
            state.setPoint(kCurveQ1, pos);
            DrawLine(canvas, current, state.point(kCurveFirst), state.point(kCurveLast));
            DrawLine(canvas, current, state.point(kCurveFirst), pos);
            break;
        case 3:
            state.setPoint(kCurveQ2, pos);
            DrawBezier(canvas, current, CurveSlots(state));
            break;
        default:
            break;
        }
    }

    bool complete(Editor& editor, QPoint) override
    {
        AddBezierRow(editor.doc, CurveSlots(editor.tool.construction));
        return true;
    }
};

// Marks points of the picked Bezier curve: the sample nearest to the pointer.
class MarkOnCurveTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral("Mark unlimited number of points ob Bezier curve based "
                                           "on T, press Esc when done"));
        SetCurveSlots(editor.tool.construction, ParseCurvePoints(editor.doc.table.cell(
                                                    col::list::Points, editor.tool.pickedRow)));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        const std::optional<BezierHit> hit = BezierNearest(CurveSlots(state), pos);
        if (!hit)
            return;
        state.setPoint(0, hit->point);
        Canvas& canvas = editor.surfaceCanvas();
        DrawGuide(canvas, pos, hit->point);
        DrawPoint(canvas, editor.doc.current, hit->point, 1);
        editor.ui().setStatus(3, QString::number(static_cast<double>(hit->t)));
    }

    void click(Editor& editor, QPoint pos) override
    {
        // The move branch has just run here; a curve with no sample in the
        // plane marks nothing.
        if (!BezierNearest(CurveSlots(editor.tool.construction), pos))
            return;
        const QPoint at = editor.tool.construction.point(0);
        AddPointRow(editor.doc, at.x(), at.y());
        editor.RedrawAll();
    }
};

} // namespace

void registerBezierTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<FourPointBezierTool>(), {ToolMode::FourPointBezier});
    tools.add(std::make_shared<MarkOnCurveTool>(), {ToolMode::MarkPointOnCurve});
}

} // namespace kel
