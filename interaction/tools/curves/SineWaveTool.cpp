// The horizontal sine wave: one period stored as a Bezier curve record from
// the first click to the pointer's x, the amplitude set by the wheel.

#include "figures/FigureMath.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/Controls.h"
#include "render/CurveDrawers.h"

namespace kel {

namespace {

using namespace curvetools;

constexpr int kStartAmplitude = 50;
constexpr int kMinAmplitude = 3;
constexpr int kMaxAmplitude = 1000;
// Past the largest amplitude the wheel starts again from this one.
constexpr int kRestartAmplitude = 100;

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

class SineWaveTool : public ClickSequenceTool {
public:
    SineWaveTool()
        : ClickSequenceTool(2, AfterLast::Repeats,
                            QStringLiteral("1st click is the begin point of a horizontal Sine "
                                           "wave\r\n2nd click sets its length, use mouse wheel "
                                           "for amplitude of Sine wave"))
    {
    }

    // The wheel sets the amplitude, at least 3; past 1000 it drops to 100.
    void wheel(Editor& editor, int notches) override
    {
        std::int32_t& amplitude = editor.tool.construction.slot[ConstructionState::kCount];
        forEachNotch(notches, [&](int step) {
            amplitude += step;
            if (amplitude < kMinAmplitude)
                amplitude = kMinAmplitude;
            if (amplitude > kMaxAmplitude)
                amplitude = kRestartAmplitude;
            showControlValue(editor.ui(), Control::edtvar1, amplitude);
        });
    }

private:
    void begin(Editor& editor) override
    {
        editor.tool.construction.slot[ConstructionState::kCount] = kStartAmplitude;
    }

    void preview(Editor& editor, QPoint pos) override
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

    bool complete(Editor& editor, QPoint) override
    {
        AddBezierRow(editor.doc, CurveSlots(editor.tool.construction));
        return true;
    }
};

} // namespace

void registerSineWaveTool(ToolRegistry& tools)
{
    tools.add(std::make_shared<SineWaveTool>(), {ToolMode::SineWave});
}

} // namespace kel
