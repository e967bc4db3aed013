// The horizontal sine wave: one period stored as a Bezier curve record from
// the first click to the pointer's x, the amplitude set by the wheel.

#include "figures/FigureMath.h"
#include "interaction/ActionFailed.h"
#include "interaction/CurveToolParts.h"
#include "interaction/Editor.h"
#include "render/CurveDrawers.h"

namespace kel {

namespace {

using namespace curvetools;

constexpr int kStartAmplitude = 50;

// P0 = (x0, y0), Q1 = ((2 x0 + x3) / 3, y0 + A), Q2 = ((2 x3 + x0) / 3, y0 - A),
// P3 = (x3, y0), the divisions truncating. With y growing downwards a
// positive amplitude sends the first half wave below the axis.
BezierRecordPoints SineWavePoints(QPoint start, int endX, int amplitude)
{
    using figmath::Wide;
    const Wide x0 = start.x();
    const Wide y0 = start.y();
    const Wide x3 = endX;
    const QPoint q1(require(figmath::Narrow((2 * x0 + x3) / 3)),
                    require(figmath::Narrow(y0 + amplitude)));
    const QPoint q2(require(figmath::Narrow((2 * x3 + x0) / 3)),
                    require(figmath::Narrow(y0 - amplitude)));
    return {start, q1, q2, QPoint(endX, start.y())};
}

class SineWaveTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.tool.construction.slot[ConstructionState::kCount] = kStartAmplitude;
        editor.ui().message(
            QStringLiteral("1st click is the begin point of a horizontal Sine wave\r\n2nd click "
                           "sets its length, use mouse wheel for amplitude of Sine wave"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() == 0) {
            state.setPoint(0, pos);
            return;
        }
        const BezierRecordPoints wave =
            SineWavePoints(state.point(0), pos.x(), state.slot[ConstructionState::kCount]);
        SetCurveSlots(state, wave);
        DrawBezier(editor.surfaceCanvas(), editor.doc.current, wave);
    }

    void click(Editor& editor, QPoint) override
    {
        ConstructionState& state = editor.tool.construction;
        if (++state.clicks() < 2)
            return;
        AddBezierRow(editor.doc, CurveSlots(state));
        state.clicks() = 0;
        editor.RedrawAll();
    }
};

} // namespace

std::shared_ptr<Tool> makeSineWaveTool()
{
    return std::make_shared<SineWaveTool>();
}

} // namespace kel
