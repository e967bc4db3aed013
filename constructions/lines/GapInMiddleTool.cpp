// "Gap in Middle": the picked line is hidden while the pointer chooses a
// gap centred on its midpoint; the click replaces it by the two pieces.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"

#include "figures/LineDivisions.h"
#include "figures/Perpendiculars.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

// The hidden row while the tool runs; 0 once it is no longer ours to show.
constexpr int kHiddenRowSlot = ConstructionState::kSlots - 2;
constexpr int kMinPiece = 3;

class GapInMiddleTool : public ClickSequenceTool {
public:
    GapInMiddleTool()
        : ClickSequenceTool(1, AfterLast::Ends,
                            QStringLiteral("Watch the foot of perpendicular, 1 click to complete"))
    {
    }

    void cancel(Editor& editor) override
    {
        // Only a row still hidden by this tool is shown again.
        int& hidden = toolSlot(editor, kHiddenRowSlot);
        if (hidden >= 1 && hidden < editor.doc.table.rows())
            editor.doc.table.setCell(col::State, hidden, QStringLiteral("Y"));
        hidden = 0;
    }

private:
    void begin(Editor& editor) override
    {
        const int row = editor.tool.pickedRow;
        const LineSegment line = pickedLine(editor, kEndsFallback);
        setClickPoint(editor, kP3, line.a);
        setClickPoint(editor, kP4, line.b);
        editor.doc.table.setCell(col::State, row, QStringLiteral("N"));
        toolSlot(editor, kHiddenRowSlot) = row;
        editor.RedrawAll();
    }

    void track(Editor& editor, QPoint pos) override
    {
        const QPoint a = clickPoint(editor, kP3);
        const QPoint b = clickPoint(editor, kP4);
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, a, b);
        const std::optional<GapPieces> gap = foot ? GapAround(a, b, foot->point) : std::nullopt;
        setReady(editor, gap.has_value());
        if (gap) {
            setClickPoint(editor, kP1, gap->gapNearA);
            setClickPoint(editor, kP2, gap->gapNearB);
        }
    }

    void preview(Editor& editor, QPoint) override
    {
        const QPoint a = clickPoint(editor, kP3);
        const QPoint b = clickPoint(editor, kP4);
        if (!ready(editor)) {
            previewSegment(editor, a, b);
            return;
        }
        const QPoint g1 = clickPoint(editor, kP1);
        const QPoint g2 = clickPoint(editor, kP2);
        previewSegment(editor, g1, a);
        previewSegment(editor, g2, b);
        status(editor, QStringLiteral("Gap=%1").arg(distance(g1, g2)));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint a = clickPoint(editor, kP3);
        const QPoint b = clickPoint(editor, kP4);
        const QPoint g1 = clickPoint(editor, kP1);
        const QPoint g2 = clickPoint(editor, kP2);
        // Both pieces or neither: the line is replaced only when both are written.
        if (distance(g2, b) < kMinPiece || distance(g1, a) < kMinPiece) {
            editor.ui().message(QStringLiteral("Line too short, line not created"));
            return false;
        }
        if (!AddLineRow(editor.doc, g2.x(), g2.y(), b.x(), b.y()) ||
            !AddLineRow(editor.doc, g1.x(), g1.y(), a.x(), a.y()))
            return false;
        int& hidden = toolSlot(editor, kHiddenRowSlot);
        const int row = hidden;
        hidden = 0;
        DeleteRow(editor.doc.table, row);
        return true;
    }
};

} // namespace

void registerGapInMiddleTool(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<GapInMiddleTool>(), {ToolMode::GapInMiddle});
    registrations.commands.add(QStringLiteral("mnugapinLine"), [](Editor& editor) {
        startIfLine(editor, ToolMode::GapInMiddle, true,
                    QStringLiteral("Object you have selected in the grid is not a Line(L)"));
    });
}

} // namespace kel
