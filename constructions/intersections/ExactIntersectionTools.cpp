// Exact intersections of two objects found by the pointer: line and line,
// circle and circle, circle and line, line and arc. Lines count as infinite
// and arcs as their whole circle, so a point may lie off the drawn object.

#include "constructions/intersections/IntersectionTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/FigureMath.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "figures/TableCells.h"
#include "figures/TableQueries.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

#include <utility>

namespace kel {

namespace {

using namespace linetools;

constexpr int kFirstRowSlot = 26;
constexpr int kSecondRowSlot = 27;
constexpr int kMarkShape = 3;
constexpr int kObjectFallback = 100;
constexpr int kLineLineFallback = 1;

enum class Pick { Line, Circle, Arc };

struct Round {
    QPoint centre;
    int radius = 0;
};

std::optional<RowHit> nearest(const ObjectTable& table, Pick pick, QPoint p)
{
    switch (pick) {
    case Pick::Line:
        return NearestLine(table, p);
    case Pick::Circle:
        return NearestCircle(table, p);
    case Pick::Arc:
        return NearestArc(table, p);
    }
    return std::nullopt;
}

bool rowIs(const Editor& editor, int row, RecordKind kind)
{
    const ObjectTable& table = editor.doc.table;
    return row >= 1 && row < table.rows() && RowKind(table, row) == kind;
}

// A circle record's or an arc's circle; the radius by its magnitude.
Round roundOfRow(const Editor& editor, int row)
{
    const ObjectTable& table = editor.doc.table;
    const bool arc = RowKind(table, row) == RecordKind::Arc;
    const int radius =
        cells::Int(table, arc ? col::arc::Radius : col::circle::Radius, row, kObjectFallback);
    return {cells::Point(table, col::circle::CentreX, row, kObjectFallback),
            require(figmath::Narrow(IntAbs(radius)))};
}

void addPoints(Editor& editor, const PointPair& points, bool constructed)
{
    for (const QPoint p : {points.first, points.second}) {
        if (constructed)
            addConstructedPoint(editor, p);
        else
            AddPointRow(editor.doc, p.x(), p.y());
    }
}

// Two clicks choose the objects: before the first click the nearest object
// of the first kind is highlighted and becomes the first object, after it
// the nearest of the second kind. The second click computes the points.
class ExactIntersectionTool : public ClickSequenceTool {
public:
    ExactIntersectionTool(QString instruction, Pick first, Pick second)
        : ClickSequenceTool(2, AfterLast::Ends, std::move(instruction)), first_(first),
          second_(second)
    {
    }

protected:
    int firstRow(Editor& editor) const { return toolSlot(editor, kFirstRowSlot); }
    int secondRow(Editor& editor) const { return toolSlot(editor, kSecondRowSlot); }

    // A refusal message of the first click, or nothing.
    virtual QString refuseFirst(Editor&) { return {}; }
    // The second click: appends the points, or says why not and gives false.
    virtual bool meet(Editor& editor) = 0;

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const bool beforeFirst = clickCount(editor) == 0;
        const std::optional<RowHit> hit =
            nearest(editor.doc.table, beforeFirst ? first_ : second_, pos);
        toolSlot(editor, beforeFirst ? kFirstRowSlot : kSecondRowSlot) = hit ? hit->row : 0;
        if (!hit)
            return;
        editor.renderer.HighlightRow(editor.surfaceCanvas(), hit->row);
        previewSegment(editor, pos, hit->point);
        previewMark(editor, hit->point, kMarkShape);
    }

    bool takeClick(Editor& editor, int) override
    {
        const QString refusal = refuseFirst(editor);
        if (refusal.isEmpty())
            return firstRow(editor) != 0;
        editor.ui().message(refusal);
        return false;
    }

    bool complete(Editor& editor, QPoint) override { return meet(editor); }

    Pick first_;
    Pick second_;
};

class LineLineTool : public ExactIntersectionTool {
public:
    LineLineTool()
        : ExactIntersectionTool(QStringLiteral("2 click to select 2 lines that their "
                                               "intersection point will be drawn"),
                                Pick::Line, Pick::Line)
    {
    }

private:
    bool meet(Editor& editor) override
    {
        if (secondRow(editor) == 0)
            return false;
        const LineSegment a = lineOfRow(editor, firstRow(editor), kLineLineFallback);
        const LineSegment b = lineOfRow(editor, secondRow(editor), kLineLineFallback);
        const std::optional<QPoint> p = IntersectLines(a.a, a.b, b.a, b.b);
        if (!p) {
            editor.ui().message(QStringLiteral("No intersection point/parallel lines"));
            return false;
        }
        AddPointRow(editor.doc, p->x(), p->y());
        return true;
    }
};

class CircleCircleTool : public ExactIntersectionTool {
public:
    CircleCircleTool()
        : ExactIntersectionTool(
              QStringLiteral("2 Click to find the exact intersection poin of 2 circles"),
              Pick::Circle, Pick::Circle)
    {
    }

private:
    bool meet(Editor& editor) override
    {
        if (secondRow(editor) == 0)
            return false;
        const Round a = roundOfRow(editor, firstRow(editor));
        const Round b = roundOfRow(editor, secondRow(editor));
        const std::optional<PointPair> points =
            IntersectCircles(a.centre, a.radius, b.centre, b.radius);
        if (!points) {
            editor.ui().message(QStringLiteral("Circles dont intersect, try another"));
            return false;
        }
        addPoints(editor, *points, true);
        return true;
    }
};

class CircleLineTool : public ExactIntersectionTool {
public:
    CircleLineTool()
        : ExactIntersectionTool(
              QStringLiteral("1st click you select a Circle, 2nd click you select the Line"),
              Pick::Circle, Pick::Line)
    {
    }

private:
    QString refuseFirst(Editor& editor) override
    {
        return rowIs(editor, firstRow(editor), RecordKind::Circle)
                   ? QString()
                   : QStringLiteral("The first object must be a Circle");
    }

    bool meet(Editor& editor) override
    {
        if (!rowIs(editor, secondRow(editor), RecordKind::Line)) {
            editor.ui().message(QStringLiteral("The 2nd object must be a Line"));
            return false;
        }
        const Round circle = roundOfRow(editor, firstRow(editor));
        const LineSegment line = lineOfRow(editor, secondRow(editor), kObjectFallback);
        const std::optional<PointPair> points =
            IntersectLineCircle(circle.centre, circle.radius, line.a, line.b);
        if (!points) {
            editor.ui().message(QStringLiteral("Circle and Line dont intersect"));
            return false;
        }
        addPoints(editor, *points, false);
        return true;
    }
};

class LineArcTool : public ExactIntersectionTool {
public:
    LineArcTool()
        : ExactIntersectionTool(
              QStringLiteral("First click you select line and 2nd click you select arc"),
              Pick::Line, Pick::Arc)
    {
    }

private:
    QString refuseFirst(Editor& editor) override
    {
        return rowIs(editor, firstRow(editor), RecordKind::Line)
                   ? QString()
                   : QStringLiteral("Object you selected is not line");
    }

    bool meet(Editor& editor) override
    {
        if (!rowIs(editor, secondRow(editor), RecordKind::Arc)) {
            editor.ui().message(QStringLiteral("The 2nd objects you selected is not Arc"));
            return false;
        }
        const LineSegment line = lineOfRow(editor, firstRow(editor), kObjectFallback);
        const Round arc = roundOfRow(editor, secondRow(editor));
        const std::optional<PointPair> points =
            IntersectLineCircle(arc.centre, arc.radius, line.a, line.b);
        if (!points) {
            editor.ui().message(
                QStringLiteral("Line and Arc dont intersect, try another arc or cancel"));
            return false;
        }
        addPoints(editor, *points, false);
        editor.ui().message(QStringLiteral("2 points inserted you have to delelte one"));
        return true;
    }
};

} // namespace

void registerIntersectionTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<LineLineTool>(), {ToolMode::IntersectLineLine});
    tools.add(std::make_shared<CircleCircleTool>(), {ToolMode::IntersectCircleCircle});
    tools.add(std::make_shared<CircleLineTool>(), {ToolMode::IntersectCircleLine});
    tools.add(std::make_shared<LineArcTool>(), {ToolMode::IntersectLineArc});
}

} // namespace kel
