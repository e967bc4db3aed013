// "SSS" and "ASA" of the line popup: a triangle erected on the picked line,
// its two other sides (SSS) or base angles (ASA) typed into the second and
// third boxes of the Triangle page, its apex on the pointer's side.

#include "constructions/lines/LineSupport.h"
#include "constructions/triangles/TriangleTools.h"

#include "figures/TrianglesOnBase.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kTrianglePage = 4;
constexpr int kNoValue = 0;

enum class OnLineType { SSS, ASA };

class TriangleOnLineTool : public ClickSequenceTool {
public:
    TriangleOnLineTool(OnLineType type, const QString& instruction)
        : ClickSequenceTool(1, AfterLast::Ends, instruction), type_(type)
    {
    }

private:
    void begin(Editor& editor) override
    {
        const LineSegment line = pickedLine(editor, kEndsFallback);
        setClickPoint(editor, kP1, line.a);
        setClickPoint(editor, kP2, line.b);
        UiPort& ui = editor.ui();
        ui.setControlText(Control::edtTrng1, QString::number(distance(line.a, line.b)));
        ui.showPage(kTrianglePage);
        ui.setControlChecked(type_ == OnLineType::SSS ? Control::rbSSS : Control::rbASA, true);
    }

    // The apex into P3 and the verdict into its slot; the sides are drawn on
    // the overlay, which is all the preview there is.
    void track(Editor& editor, QPoint pos) override
    {
        UiPort& ui = editor.ui();
        const int second = controlValue(ui, Control::edtTrng2, kNoValue);
        const int third = controlValue(ui, Control::edtTrng3, kNoValue);
        ConstructionState& state = editor.tool.construction;
        // A verdict from an earlier position never stands for this one.
        state.slot[kTriangleVerdictSlot] = kTriangleVerdictInvalid;
        Canvas& canvas = editor.surfaceCanvas();
        if (type_ == OnLineType::SSS)
            TriangleOnBaseSSS(state, canvas, editor.doc.current, pos, second, third);
        else
            TriangleOnBaseASA(state, canvas, editor.doc.current, pos, second, third);
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (editor.tool.construction.slot[kTriangleVerdictSlot] != kTriangleVerdictValid) {
            editor.ui().message(QStringLiteral("Invalid triangle values"));
            return false;
        }
        const QPoint a = clickPoint(editor, kP1);
        const QPoint b = clickPoint(editor, kP2);
        const QPoint apex = clickPoint(editor, kP3);
        AddLineRow(editor.doc, a.x(), a.y(), apex.x(), apex.y());
        AddLineRow(editor.doc, b.x(), b.y(), apex.x(), apex.y());
        return true;
    }

    OnLineType type_;
};

} // namespace

void registerTriangleOnLineTools(Registrations& registrations)
{
    registrations.tools.add(
        std::make_shared<TriangleOnLineTool>(
            OnLineType::SSS,
            QStringLiteral("1 click to build a SSS triangle on a line, move mouse for position")),
        {ToolMode::TriangleSideSideSide});
    registrations.tools.add(
        std::make_shared<TriangleOnLineTool>(
            OnLineType::ASA,
            QStringLiteral("1 click to build a ASA triangle on a line, move mouse for position")),
        {ToolMode::TriangleAngleSideAngle});
}

} // namespace kel
