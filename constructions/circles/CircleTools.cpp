// The pointer tools on a circle or an arc: marks and normals at the nearest
// point of the circle, the tangents from the pointer, and trimming a circle
// into an arc through three points of it.

#include "constructions/circles/CircleTools.h"
#include "constructions/circles/CircleSupport.h"
#include "constructions/lines/LineSupport.h"

#include "figures/CircleMarks.h"
#include "figures/Circles.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

#include <utility>

namespace kel {

namespace {

using namespace circletools;
using namespace linetools;
using namespace clickpoint;

constexpr int kRoundFallback = 10;
constexpr int kCircleRowSlot = 26;
constexpr int kMarkShape = 3;
constexpr Colour kTrimColour = 0x0000FF; // red

QPoint centre(const Editor& editor)
{
    return clickPoint(editor, kP1);
}

int radius(Editor& editor)
{
    return toolSlot(editor, ConstructionState::kRadius);
}

// The picked circle (or an arc's whole circle): centre into P1, radius into
// the radius slot, its row remembered.
void takePickedCircle(Editor& editor)
{
    const CircleOfRow circle = pickedRound(editor, kRoundFallback);
    setClickPoint(editor, kP1, circle.centre);
    toolSlot(editor, ConstructionState::kRadius) = circle.radius;
    toolSlot(editor, kCircleRowSlot) = editor.tool.pickedRow;
}

// The point of the circle nearest the pointer, or nothing at the centre.
std::optional<MeasuredPoint> nearestOnCircle(Editor& editor, QPoint pos)
{
    return NearestPointOnCircle(centre(editor), radius(editor), pos);
}

// "Mark degree on Circle" and "Perpendicular to Circle/Arc": N (P3) is the
// point of the circle nearest the pointer (P2); each click marks N or draws
// the normal from N to the pointer, and the tool waits for the next.
class NearestPointTool : public ClickSequenceTool {
public:
    explicit NearestPointTool(bool normal)
        : ClickSequenceTool(1, AfterLast::Repeats), normal_(normal)
    {
    }

private:
    void begin(Editor& editor) override { takePickedCircle(editor); }

    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<MeasuredPoint> n = nearestOnCircle(editor, pos);
        setReady(editor, n.has_value());
        if (!n)
            return;
        setClickPoint(editor, kP2, pos);
        setClickPoint(editor, kP3, n->point);
        previewSegment(editor, pos, n->point);
        status(editor, QStringLiteral("Degree=%1  h=%2")
                           .arg(ReduceDegrees(DirectionAngle(centre(editor), n->point)))
                           .arg(n->distance));
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        if (!ready(editor))
            return false;
        const QPoint n = clickPoint(editor, kP3);
        if (normal_)
            return AddLineRow(editor.doc, n.x(), n.y(), pos.x(), pos.y());
        addConstructedPoint(editor, n);
        return true;
    }

    bool normal_;
};

// "Tangent to Circle": the two tangents from the pointer Q (P4) touching the
// circle at T1 (P2) and T2 (P3).
class TangentTool : public ClickSequenceTool {
public:
    TangentTool() : ClickSequenceTool(1, AfterLast::Ends) {}

private:
    void begin(Editor& editor) override { takePickedCircle(editor); }

    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<Tangents> tangents = TangentPoints(centre(editor), radius(editor), pos);
        setReady(editor, tangents.has_value());
        if (!tangents)
            return;
        setClickPoint(editor, kP2, tangents->points.first);
        setClickPoint(editor, kP3, tangents->points.second);
        setClickPoint(editor, kP4, pos);
        previewSegment(editor, pos, tangents->points.first);
        previewSegment(editor, pos, tangents->points.second);
        status(editor, QStringLiteral("L=%1").arg(tangents->length));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor)) {
            editor.ui().message(QStringLiteral("Try again no tangent from this point"));
            return false;
        }
        const QPoint q = clickPoint(editor, kP4);
        const QPoint t1 = clickPoint(editor, kP2);
        const QPoint t2 = clickPoint(editor, kP3);
        AddLineRow(editor.doc, q.x(), q.y(), t1.x(), t1.y());
        AddLineRow(editor.doc, q.x(), q.y(), t2.x(), t2.y());
        return true;
    }
};

// "Circle to Arc": three clicks fix projections of the pointer on the circle
// (P2, P3, P4); the arc from the first through the second to the third
// replaces the circle.
class CircleToArcTool : public ClickSequenceTool {
public:
    CircleToArcTool()
        : ClickSequenceTool(
              3, AfterLast::Ends,
              QStringLiteral(
                  "Click on 3 point to keep RED portion, then circle will become an Arc"))
    {
    }

private:
    void begin(Editor& editor) override { takePickedCircle(editor); }

    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<MeasuredPoint> n = nearestOnCircle(editor, pos);
        setReady(editor, n.has_value());
        if (!n)
            return;
        const int clicks = clickCount(editor);
        setClickPoint(editor, kP2 + clicks, n->point);
        previewMark(editor, n->point, kMarkShape);
        if (clicks < 2)
            return;
        CurrentAttributes red = editor.doc.current;
        red.penColour = kTrimColour;
        DrawArc3Points(editor.surfaceCanvas(), red, clickPoint(editor, kP2),
                       clickPoint(editor, kP3), n->point);
    }

    // A second point on the first would leave no arc to choose.
    bool takeClick(Editor& editor, int clicks) override
    {
        return ready(editor) && (clicks < 2 || clickPoint(editor, kP3) != clickPoint(editor, kP2));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const std::optional<ArcFit> arc = FitArc3Points(
            clickPoint(editor, kP2), clickPoint(editor, kP3), clickPoint(editor, kP4));
        if (!arc) {
            editor.ui().message(kNoArcMessage);
            return false;
        }
        // The arc is in the table before its circle goes.
        addArcRow(editor, arc->centre, arc->startAngle, arc->endAngle, arc->radius);
        const int circleRow = toolSlot(editor, kCircleRowSlot);
        if (circleRow >= 1 && circleRow < editor.doc.table.rows())
            DeleteRow(editor.doc.table, circleRow);
        return true;
    }
};

} // namespace

void registerCircleTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<NearestPointTool>(false), {ToolMode::MarkDegreeOnCircle});
    tools.add(std::make_shared<NearestPointTool>(true), {ToolMode::PerpendicularToArc});
    tools.add(std::make_shared<TangentTool>(), {ToolMode::TangentToCircle});
    tools.add(std::make_shared<CircleToArcTool>(), {ToolMode::CircleToArc});
}

} // namespace kel
