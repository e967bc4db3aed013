// The semicircle over a diameter given by two clicks, stored as an arc
// record; the wheel turns it over to the other side of the diameter.

#include "figures/Circles.h"
#include "figures/FigureMath.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

#include <utility>

namespace kel {

namespace {

using namespace curvetools;

// Diameters of this length or less make no semicircle.
constexpr int kMinDiameter = 7;

// The top of the semicircle over p1-p3 (d apart): where the circle about the
// midpoint (integer halves) with radius d / 2 meets the perpendicular
// bisector, which runs through the meeting points of the circles of radius d
// about p1 and p3. The first meeting point when flipped, else the second.
std::optional<QPoint> SemicircleTop(QPoint p1, QPoint p3, int d, bool flipped)
{
    const std::optional<PointPair> bisector = IntersectCircles(p1, d, p3, d);
    if (!bisector)
        return std::nullopt;
    using figmath::Wide;
    const std::optional<QPoint> middle =
        figmath::MakePoint((Wide{p1.x()} + p3.x()) / 2, (Wide{p1.y()} + p3.y()) / 2);
    if (!middle)
        return std::nullopt;
    const std::optional<PointPair> top =
        IntersectLineCircle(*middle, d / 2, bisector->first, bisector->second);
    if (!top)
        return std::nullopt;
    return flipped ? top->first : top->second;
}

// The arc record through p1, p2, p3, running counter-clockwise from its
// start angle to its end angle, as the three-point arc stores it.
bool AddArcRowThrough(Document& doc, QPoint p1, QPoint p2, QPoint p3)
{
    const std::optional<CircleFit> circle = CircleThrough3Points(p1, p2, p3);
    const std::optional<std::array<int, 3>> angles = PointAnglesOnCircle(p1, p2, p3);
    const std::optional<ArcTurn> turn = ArcOrientation(p1, p2, p3);
    if (!circle || !angles || !turn)
        return false;
    int from = (*angles)[0];
    int to = (*angles)[2];
    if (!turn->counterClockwise)
        std::swap(from, to);
    const QString pen = MakePenAttr(doc);
    const int row = FindFreeRow(doc);
    ObjectTable::BulkUpdate bulk(doc.table);
    doc.table.setCell(kStateColumn, row, QStringLiteral("Y"));
    doc.table.setCell(kTypeColumn, row, KindText(RecordKind::Arc));
    doc.table.setCell(col::arc::Pen, row, pen);
    doc.table.setCell(col::arc::CentreX, row, circle->centre.x());
    doc.table.setCell(col::arc::CentreY, row, circle->centre.y());
    doc.table.setCell(col::arc::Start, row, from);
    doc.table.setCell(col::arc::End, row, to);
    doc.table.setCell(col::arc::Radius, row, circle->radius);
    return true;
}

class SemicircleTool : public ClickSequenceTool {
public:
    SemicircleTool()
        : ClickSequenceTool(2, AfterLast::Repeats,
                            QStringLiteral("1st click set one of the diameter point, 2nd click "
                                           "complete the action\r\nUse mouse wheel to chance "
                                           "the direction of the semicircle"))
    {
    }

    // Every notch, up or down, turns the semicircle over.
    void wheel(Editor& editor, int notches) override
    {
        forEachNotch(notches,
                     [&](int) { editor.tool.semicircleFlipped = !editor.tool.semicircleFlipped; });
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() == 0) {
            state.setPoint(0, pos);
            return;
        }
        const std::optional<QPoint> top = place(editor, pos);
        if (!top)
            return;
        Canvas& canvas = editor.surfaceCanvas();
        DrawGuide(canvas, state.point(0), pos);
        DrawArc3Points(canvas, editor.doc.current, state.point(0), *top, pos);
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        // Too short a diameter: no arc, and the click is not taken.
        const ConstructionState& state = editor.tool.construction;
        const std::optional<QPoint> top = place(editor, pos);
        return top && AddArcRowThrough(editor.doc, state.point(0), *top, state.point(2));
    }

    // P3 := the pointer and P2 := the top, when the diameter is long enough.
    static std::optional<QPoint> place(Editor& editor, QPoint pos)
    {
        ConstructionState& state = editor.tool.construction;
        const int d = require(PointDistance(state.point(0), pos));
        if (d <= kMinDiameter)
            return std::nullopt;
        state.setPoint(2, pos);
        const std::optional<QPoint> top =
            SemicircleTop(state.point(0), pos, d, editor.tool.semicircleFlipped);
        if (top)
            state.setPoint(1, *top);
        return top;
    }
};

} // namespace

void registerSemicircleTool(ToolRegistry& tools)
{
    tools.add(std::make_shared<SemicircleTool>(), {ToolMode::Semicircle});
}

} // namespace kel
