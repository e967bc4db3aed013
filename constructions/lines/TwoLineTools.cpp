// Constructions on two lines found by the pointer: the angle bisector, the
// right-angle marker, arcs marking the angle, and a line from a point that
// strikes a line at a typed angle.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"

#include "figures/BisectorPreview.h"
#include "figures/Circles.h"
#include "figures/Intersections.h"
#include "figures/Perpendiculars.h"
#include "figures/TableCells.h"
#include "figures/TableQueries.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/Rounding.h"
#include "model/RowRoutines.h"
#include "render/ShapeDrawers.h"

#include <cmath>
#include <numbers>
#include <utility>

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

// Slots of these tools beyond the points P1..P8.
constexpr int kFirstRowSlot = 26;
constexpr int kSecondRowSlot = 27;
constexpr int kP6 = 5, kP7 = 6, kP8 = 7;
constexpr int kHighlightColour = 0x0000FF; // red
constexpr int kMinStrikeDistance = 10;
constexpr int kRightAngle = 90;

const QString kNoLine = QStringLiteral("No Line exists yet");

QPoint nearer(QPoint p, QPoint a, QPoint b)
{
    return distance(p, b) < distance(p, a) ? b : a;
}

// The visible line nearest the pointer, drawn highlighted; its ends into
// point indices `into` and `into + 1`, its row into `rowSlot`.
bool trackNearestLine(Editor& editor, QPoint pos, int into, int rowSlot)
{
    const std::optional<RowHit> hit = NearestLine(editor.doc.table, pos);
    setReady(editor, hit.has_value());
    if (!hit)
        return false;
    const LineSegment line = lineOfRow(editor, hit->row, kHundredFallback);
    setClickPoint(editor, into, line.a);
    setClickPoint(editor, into + 1, line.b);
    toolSlot(editor, rowSlot) = hit->row;
    CurrentAttributes highlight = editor.doc.current;
    highlight.penColour = kHighlightColour;
    DrawLine(editor.surfaceCanvas(), highlight, line.a, line.b);
    return true;
}

// Clicks 1 and 2 choose the two lines: their ends into points `into` ..
// `into + 3`. False once both are chosen.
bool trackTwoLines(Editor& editor, QPoint pos, int into)
{
    switch (clickCount(editor)) {
    case 0:
        trackNearestLine(editor, pos, into, kFirstRowSlot);
        return true;
    case 1:
        trackNearestLine(editor, pos, into + 2, kSecondRowSlot);
        return true;
    default:
        return false;
    }
}

// Clicks 1 and 2 choose the lines (P1-P2, P3-P4), the third click finishes
// the construction and the tool ends.
class OnTwoLinesTool : public ClickSequenceTool {
public:
    explicit OnTwoLinesTool(QString instruction)
        : ClickSequenceTool(3, AfterLast::Ends, std::move(instruction))
    {
    }

protected:
    void preview(Editor& editor, QPoint pos) final
    {
        if (!trackTwoLines(editor, pos, kP1))
            previewConstruction(editor, pos);
    }
    // With both lines chosen: what the third click would make.
    virtual void previewConstruction(Editor& editor, QPoint pos) = 0;
};

// "Angle Bisector": clicks 1 and 2 the lines (P1-P2, P3-P4), click 3 the end
// of the bisector from their crossing.
class AngleBisectorTool : public OnTwoLinesTool {
public:
    AngleBisectorTool()
        : OnTwoLinesTool(QStringLiteral("First 2 click you select the 2 lines, the 3rd click "
                                        "you finalize the bisector"))
    {
    }

private:
    void previewConstruction(Editor& editor, QPoint pos) override
    {
        const std::optional<BisectorPoints> bisector =
            BisectorPreview(editor.doc, editor.tool.construction, editor.surfaceCanvas(), pos);
        setReady(editor, bisector.has_value());
        status(editor, bisector ? kBisectorLengthStatus + QString::number(bisector->length)
                                : QStringLiteral("Error parallel lines"));
    }

    bool takeClick(Editor& editor, int clicks) override
    {
        if (!ready(editor))
            return false;
        if (clicks == 2 && toolSlot(editor, kFirstRowSlot) == toolSlot(editor, kSecondRowSlot)) {
            editor.ui().message(QStringLiteral("Identical lines not allowed"));
            return false;
        }
        return true;
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor)) {
            // Parallel lines have no bisector: the tool ends without a row.
            editor.ui().message(QStringLiteral("Error 2 lines are parallel"));
            return true;
        }
        const QPoint v = clickPoint(editor, kP5);
        const QPoint e = clickPoint(editor, kP6);
        AddLineRow(editor.doc, v.x(), v.y(), e.x(), e.y());
        return true;
    }
};

// "Perpend. to 2 lines": two lines by clicks 1 and 2 (P1-P2, P3-P4), then
// the perpendiculars from the third click to both (feet P5, P6).
class PerpendicularsToTwoLinesTool : public OnTwoLinesTool {
public:
    PerpendicularsToTwoLinesTool()
        : OnTwoLinesTool(QStringLiteral("Perpendicular polyline are drawn to indicate 2 lines "
                                        "are perpendicular"))
    {
    }

private:
    void previewConstruction(Editor& editor, QPoint pos) override
    {
        const std::optional<MeasuredPoint> f1 =
            PerpendicularFoot(pos, clickPoint(editor, kP1), clickPoint(editor, kP2));
        const std::optional<MeasuredPoint> f2 =
            PerpendicularFoot(pos, clickPoint(editor, kP3), clickPoint(editor, kP4));
        setReady(editor, f1 && f2);
        if (!f1 || !f2)
            return;
        setClickPoint(editor, kP5, f1->point);
        setClickPoint(editor, kP6, f2->point);
        previewSegment(editor, pos, f1->point);
        previewSegment(editor, pos, f2->point);
    }

    bool takeClick(Editor& editor, int) override { return ready(editor); }

    bool complete(Editor& editor, QPoint pos) override
    {
        if (!ready(editor))
            return false;
        const QPoint f1 = clickPoint(editor, kP5);
        const QPoint f2 = clickPoint(editor, kP6);
        if (AddLineRow(editor.doc, pos.x(), pos.y(), f1.x(), f1.y()))
            AddLineRow(editor.doc, pos.x(), pos.y(), f2.x(), f2.y());
        return true;
    }
};

// "Mark Angle with Arc": two lines by clicks 1 and 2 (P2-P3, P4-P5, crossing
// I in P1), then an arc from line to line through each further click.
class MarkAngleArcTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral(
            "3 clicks are needed, 1st 2 clicks to select 2 non parallel lines and 3rd click\r\n"
            "to daw the line, it can be repeated"));
    }

    void move(Editor& editor, QPoint pos) override
    {
        if (!trackTwoLines(editor, pos, kP2))
            trackArc(editor, pos);
    }

    void click(Editor& editor, QPoint pos) override
    {
        if (!ready(editor))
            return;
        int& clicks = clickCount(editor);
        if (clicks == 0) {
            clicks = 1;
            return;
        }
        if (clicks == 1) {
            const std::optional<QPoint> crossing =
                IntersectLines(clickPoint(editor, kP2), clickPoint(editor, kP3),
                               clickPoint(editor, kP4), clickPoint(editor, kP5));
            if (!crossing) {
                editor.ui().message(
                    QStringLiteral("Identical lines or parallel lines not allowed"));
                return;
            }
            setClickPoint(editor, kP1, *crossing);
            clicks = 2;
            return;
        }
        const std::optional<ArcFit> arc =
            FitArc3Points(clickPoint(editor, kP6), pos, clickPoint(editor, kP7));
        if (!arc) {
            editor.ui().message(kNoArcMessage);
            return;
        }
        addArcRow(editor, arc->centre, arc->startAngle, arc->endAngle, arc->radius);
        editor.RedrawAll();
    }

private:
    // A1 (P6) and A2 (P7): on each line the point at the pointer's distance
    // from I nearer the pointer.
    static void trackArc(Editor& editor, QPoint pos)
    {
        const QPoint i = clickPoint(editor, kP1);
        const int r = distance(i, pos);
        const std::optional<PointPair> on1 =
            IntersectLineCircle(i, r, clickPoint(editor, kP2), clickPoint(editor, kP3));
        const std::optional<PointPair> on2 =
            IntersectLineCircle(i, r, clickPoint(editor, kP4), clickPoint(editor, kP5));
        setReady(editor, on1 && on2 && r > 0);
        if (!ready(editor))
            return;
        const QPoint a1 = nearer(pos, on1->first, on1->second);
        const QPoint a2 = nearer(pos, on2->first, on2->second);
        setClickPoint(editor, kP6, a1);
        setClickPoint(editor, kP7, a2);
        DrawArc3Points(editor.surfaceCanvas(), editor.doc.current, a1, pos, a2);
        status(editor, QStringLiteral("R=%1").arg(r));
    }
};

// "Draw Striked Angled": from the picked point P (P1) to the line chosen by
// click 1 (P2-P3), meeting it at the typed angle; click 2 chooses the side.
class StruckAngledLineTool : public ClickSequenceTool {
public:
    StruckAngledLineTool() : ClickSequenceTool(2, AfterLast::Ends) {}

private:
    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            trackNearestLine(editor, pos, kP2, kFirstRowSlot);
            return;
        }
        const std::optional<QPoint> end = strikePoint(editor, pos);
        setReady(editor, end.has_value());
        if (!end)
            return;
        setClickPoint(editor, kP8, *end);
        const QPoint p = clickPoint(editor, kP1);
        previewSegment(editor, p, *end);
        status(editor, QStringLiteral("L=%1").arg(distance(p, *end)));
    }

    bool takeClick(Editor& editor, int) override
    {
        if (!ready(editor))
            return false;
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(
            clickPoint(editor, kP1), clickPoint(editor, kP2), clickPoint(editor, kP3));
        if (!foot || foot->distance < kMinStrikeDistance) {
            editor.ui().message(QStringLiteral(
                "Perpendicular distance of point to the line<10 or point on the line\r\nTry "
                "another line or use draw angled line from line edit instead"));
            return false;
        }
        return true;
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint p = clickPoint(editor, kP1);
        const QPoint e = clickPoint(editor, kP8);
        return AddLineRow(editor.doc, p.x(), p.y(), e.x(), e.y());
    }

    static std::optional<QPoint> strikePoint(Editor& editor, QPoint pos)
    {
        const QPoint p = clickPoint(editor, kP1);
        const QPoint a = clickPoint(editor, kP2);
        const QPoint b = clickPoint(editor, kP3);
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(p, a, b);
        if (!foot)
            return std::nullopt;
        const int angle = toolSlot(editor, ConstructionState::kAngle1);
        if (angle == kRightAngle)
            return foot->point;
        const double radians = std::numbers::pi * angle / 180;
        const std::optional<int> r = RoundToInt(foot->distance / std::sin(radians));
        if (!r)
            return std::nullopt;
        const std::optional<PointPair> ends = IntersectLineCircle(p, *r, a, b);
        if (!ends)
            return std::nullopt;
        return nearer(pos, ends->first, ends->second);
    }
};

void startStruckAngled(Editor& editor)
{
    editor.ui().message(QStringLiteral(
        "From this point draw a line that will intersect any line at specified angle\r\n1st "
        "click the refrenced line, 2nd click done"));
    const QString answer =
        editor.ui().inputBox(QStringLiteral("Draw line with respect to another line"),
                             QStringLiteral("Enter angle 5..90"), QStringLiteral("90"));
    const std::optional<int> angle = wholeNumberIn(answer, 5, kRightAngle);
    if (!angle) {
        editor.ui().message(QStringLiteral("Invalid angle"));
        return;
    }
    const int row = editor.tool.pickedRow;
    const QPoint p = row >= 1 && row < editor.doc.table.rows()
                         ? cells::Point(editor.doc.table, col::point::X, row, kHundredFallback)
                         : QPoint(kHundredFallback, kHundredFallback);
    editor.startTool(ToolMode::StruckAngledLine);
    toolSlot(editor, ConstructionState::kAngle1) = *angle;
    setClickPoint(editor, kP1, p);
}

} // namespace

void registerTwoLineTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<AngleBisectorTool>(), {ToolMode::AngleBisector});
    tools.add(std::make_shared<PerpendicularsToTwoLinesTool>(),
              {ToolMode::PerpendicularToTwoLines});
    tools.add(std::make_shared<MarkAngleArcTool>(), {ToolMode::MarkAngleWithArc});
    tools.add(std::make_shared<StruckAngledLineTool>(), {ToolMode::StruckAngledLine});

    CommandRegistry& commands = registrations.commands;
    const auto ifAnyLine = [](ToolMode mode) {
        return [mode](Editor& editor) {
            if (!anyVisibleLine(editor)) {
                editor.ui().message(kNoLine);
                return;
            }
            editor.startTool(mode);
        };
    };
    commands.add(QStringLiteral("mnuPerpendto2lines"),
                 ifAnyLine(ToolMode::PerpendicularToTwoLines));
    commands.add(QStringLiteral("mnuArc2markAng"), ifAnyLine(ToolMode::MarkAngleWithArc));
    commands.add(QStringLiteral("mnuAngledline"), startStruckAngled);
}

} // namespace kel
