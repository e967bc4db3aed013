// Tools that start from a point on the picked line: adjust its length,
// append a line at a chosen or typed angle, mark a perpendicular distance.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"
#include "constructions/lines/SegmentTool.h"

#include "figures/AngledLines.h"
#include "figures/Perpendiculars.h"
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
using namespace clickpoint;

constexpr int kP6 = 5;
constexpr int kP7 = 6;
constexpr int kGripRange = 100;
constexpr int kMinAdjusted = 4;
constexpr int kMinAngle = 2, kMaxAngle = 178;
constexpr int kMinLength = 2, kMaxLength = 999;
constexpr int kGuideLength = 150;

QPoint nearer(QPoint p, QPoint a, QPoint b)
{
    return distance(p, b) < distance(p, a) ? b : a;
}

// The pointer's foot on a-b into `into`; ready when there is one.
void trackFootOn(Editor& editor, QPoint pos, QPoint a, QPoint b, int into)
{
    const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, a, b);
    setReady(editor, foot.has_value());
    if (foot)
        setClickPoint(editor, into, foot->point);
}

void takeLine(Editor& editor, int fallback)
{
    const LineSegment line = pickedLine(editor, fallback);
    setClickPoint(editor, kP1, line.a);
    setClickPoint(editor, kP2, line.b);
}

// A tool whose first click takes the vertex V (P3) on the line P1-P2 and
// whose last writes the line from V to `end`. Before the first click the
// preview is the foot with both distances, `gap` between them; after the
// last but one the line with its length after `lengthLabel`.
class FromVertexTool : public SegmentTool {
public:
    FromVertexTool(int clicks, AfterLast after, QString instruction, int end, QString gap,
                   QString lengthLabel)
        : SegmentTool(clicks, after, std::move(instruction), kP3, end), gap_(std::move(gap)),
          lengthLabel_(std::move(lengthLabel))
    {
    }

protected:
    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) != 0) {
            previewLine(editor, lengthLabel_);
            return;
        }
        if (!ready(editor))
            return;
        const QPoint v = clickPoint(editor, kP3);
        previewSegment(editor, pos, v);
        status(editor, QStringLiteral("L1=%1%2L2=%3")
                           .arg(distance(clickPoint(editor, kP1), v))
                           .arg(gap_)
                           .arg(distance(clickPoint(editor, kP2), v)));
    }

private:
    QString gap_;
    QString lengthLabel_;
};

// "Adjust Length": click 1 near an end keeps that end (S, P3); click 2 sets
// the other end (E, P4) on the line through both; the picked row is rewritten.
class AdjustLengthTool : public ClickSequenceTool {
public:
    AdjustLengthTool()
        : ClickSequenceTool(2, AfterLast::Ends,
                            QStringLiteral("2 clicks are needed, 1st click select the static "
                                           "point of line\r\n2nd click to set the desired length"))
    {
    }

private:
    void begin(Editor& editor) override { takeLine(editor, kEndsFallback); }

    void track(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        if (clickCount(editor) == 0) {
            const QPoint end = nearer(pos, p1, p2);
            setReady(editor, distance(pos, end) < kGripRange);
            if (ready(editor))
                setClickPoint(editor, kP3, end);
            return;
        }
        trackFootOn(editor, pos, p1, p2, kP4);
    }

    void preview(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return;
        const QPoint s = clickPoint(editor, kP3);
        if (clickCount(editor) == 0) {
            previewMark(editor, s, 0);
            return;
        }
        const QPoint e = clickPoint(editor, kP4);
        const int length = distance(s, e);
        if (length > kMinAdjusted) {
            previewSegment(editor, s, e);
            status(editor, QStringLiteral("L=%1").arg(length));
        }
    }

    bool takeClick(Editor& editor, int) override
    {
        if (!ready(editor))
            editor.ui().message(QStringLiteral("You must click closer to the desired fixed point"));
        return ready(editor);
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint s = clickPoint(editor, kP3);
        const QPoint e = clickPoint(editor, kP4);
        if (distance(s, e) < kMinAdjusted) {
            editor.ui().message(QStringLiteral("Line length can't be less than 4, try again"));
            return false;
        }
        ObjectTable& table = editor.doc.table;
        const int row = editor.tool.pickedRow;
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::line::X1, row, s.x());
        table.setCell(col::line::Y1, row, s.y());
        table.setCell(col::line::X2, row, e.x());
        table.setCell(col::line::Y2, row, e.y());
        return true;
    }
};

// "Append Angle Var": click 1 the vertex V (P3) on the line, click 2 the
// direction D (P5), click 3 the end E (P6) on V-D.
class AppendAngleVarTool : public FromVertexTool {
public:
    AppendAngleVarTool()
        : FromVertexTool(3, AfterLast::Ends,
                         QStringLiteral("First click select a point to draw the new angle\r\n"
                                        "2nd click set the desired angle, 3rd click set "
                                        "length of the line"),
                         kP6, QStringLiteral("  "), QStringLiteral("  L=%1"))
    {
    }

private:
    void begin(Editor& editor) override { takeLine(editor, kHundredFallback); }

    void track(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        switch (clickCount(editor)) {
        case 0:
            trackFootOn(editor, pos, p1, p2, kP3);
            return;
        case 1: {
            const QPoint v = clickPoint(editor, kP3);
            setClickPoint(editor, kP4, distance(v, p1) > distance(v, p2) ? p1 : p2);
            setClickPoint(editor, kP5, pos);
            setReady(editor, pos != v);
            return;
        }
        default:
            trackFootOn(editor, pos, clickPoint(editor, kP3), clickPoint(editor, kP5), kP6);
        }
    }

    // Between clicks 1 and 2 the angle the direction makes with the line.
    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) != 1) {
            FromVertexTool::preview(editor, pos);
            return;
        }
        const QPoint v = clickPoint(editor, kP3);
        previewSegment(editor, v, pos);
        status(editor,
               QStringLiteral("Angle =%1").arg(AngleAtVertex(v, clickPoint(editor, kP4), pos)));
    }
};

// "Append Angle Fixed": click 1 the vertex V (P3); the angle and length are
// typed in the value boxes, the side follows the pointer (end E in P4). In
// the "Error" state there is no end to commit.
class AppendAngleFixedTool : public FromVertexTool {
public:
    AppendAngleFixedTool()
        : FromVertexTool(2, AfterLast::Ends,
                         QStringLiteral("After the desired point on the line selected , 1 "
                                        "click to draw the line\r\nMove mouse to the desired "
                                        "side of line"),
                         kP4, QStringLiteral("  "), QStringLiteral("L=%1"))
    {
    }

private:
    void begin(Editor& editor) override
    {
        editor.ShowValuePage(QStringLiteral("Angle"), QStringLiteral("Length"),
                             QStringLiteral("NA"));
        takeLine(editor, kEndsFallback);
    }

    void track(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        if (clickCount(editor) == 0) {
            trackFootOn(editor, pos, p1, p2, kP3);
            return;
        }
        const std::optional<int> angle = controlNumber(editor, Control::edtvar1);
        const std::optional<int> length = controlNumber(editor, Control::edtvar2);
        const bool valid = angle && *angle >= kMinAngle && *angle <= kMaxAngle && length &&
                           *length >= kMinLength && *length <= kMaxLength;
        const QPoint v = clickPoint(editor, kP3);
        // The reference direction: toward the end nearer the pointer, the
        // other one when V sits on it.
        QPoint toward = nearer(pos, p1, p2);
        if (toward == v)
            toward = toward == p1 ? p2 : p1;
        const std::optional<PointPair> ends =
            valid ? AngledEnds(v, toward, *angle, *length) : std::nullopt;
        setReady(editor, ends.has_value());
        editor.ui().setControlText(Control::Label29,
                                   ends ? QStringLiteral("Ok") : QStringLiteral("Error"));
        if (ends)
            setClickPoint(editor, kP4, nearer(pos, ends->first, ends->second));
    }
};

// "Mark Verical Distance": click 1 the foot F (P3) on the line, click 2 the
// end E (P7) on the perpendicular at F; repeats until Esc.
class MarkVerticalDistanceTool : public FromVertexTool {
public:
    MarkVerticalDistanceTool()
        : FromVertexTool(2, AfterLast::Repeats,
                         QStringLiteral("2 clicks needed. 1st click select the point on "
                                        "line\r\n2nd click you set the desired line length, "
                                        "press Esc when done"),
                         kP7, QStringLiteral(" "), QStringLiteral("h=%1"))
    {
    }

private:
    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            // The line is read again on every move: it may have been edited.
            takeLine(editor, kEndsFallback);
            trackFootOn(editor, pos, clickPoint(editor, kP1), clickPoint(editor, kP2), kP3);
            return;
        }
        const QPoint f = clickPoint(editor, kP3);
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        const QPoint far = distance(f, p1) >= distance(f, p2) ? p1 : p2;
        const std::optional<SidePoints> square = PerpendicularPoints(far, f, kGuideLength);
        if (!square) {
            setReady(editor, false);
            return;
        }
        trackFootOn(editor, pos, square->left, square->right, kP7);
    }
};

} // namespace

void registerAngleTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<AdjustLengthTool>(), {ToolMode::AdjustLength});
    tools.add(std::make_shared<AppendAngleVarTool>(), {ToolMode::AppendVariableAngle});
    tools.add(std::make_shared<AppendAngleFixedTool>(), {ToolMode::AppendFixedAngle});
    tools.add(std::make_shared<MarkVerticalDistanceTool>(), {ToolMode::MarkVerticalDistance});
}

} // namespace kel
