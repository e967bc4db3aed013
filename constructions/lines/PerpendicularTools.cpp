// Perpendiculars from the pointer to the picked line, points marked and
// mirrored on it, the perpendicular at a chosen foot and the perpendicular
// bisector.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"

#include "figures/Intersections.h"
#include "figures/Perpendiculars.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

// The pointer's foot on the picked line (P3-P4): what modes 13 and 16 show
// before their click. Foot in P6, pointer in P5.
bool trackFoot(Editor& editor, QPoint pos)
{
    const QPoint a = clickPoint(editor, kP3);
    const QPoint b = clickPoint(editor, kP4);
    const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, a, b);
    setReady(editor, foot.has_value());
    if (!foot)
        return false;
    setClickPoint(editor, kP5, pos);
    setClickPoint(editor, kP5 + 1, foot->point);
    return true;
}

void previewFoot(Editor& editor, QPoint pos)
{
    if (!ready(editor))
        return;
    const QPoint f = clickPoint(editor, kP5 + 1);
    previewSegment(editor, pos, f);
    status(editor, QStringLiteral("H=%1  L1=%2  L2=%3")
                       .arg(distance(pos, f))
                       .arg(distance(clickPoint(editor, kP3), f))
                       .arg(distance(clickPoint(editor, kP4), f)));
}

// Reads the picked line into P3, P4.
void takeLineIntoP3P4(Editor& editor)
{
    const LineSegment line = pickedLine(editor, kEndsFallback);
    setClickPoint(editor, kP3, line.a);
    setClickPoint(editor, kP4, line.b);
}

// "Perpendicular to Line" (one line per click) and "Mark point on line"
// (one constructed point per click at the foot).
class FootTool : public ClickSequenceTool {
public:
    explicit FootTool(bool marksPoint)
        : ClickSequenceTool(1, AfterLast::Repeats), marksPoint_(marksPoint)
    {
    }

private:
    void begin(Editor& editor) override { takeLineIntoP3P4(editor); }
    void track(Editor& editor, QPoint pos) override { trackFoot(editor, pos); }
    void preview(Editor& editor, QPoint pos) override { previewFoot(editor, pos); }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint p = clickPoint(editor, kP5);
        const QPoint f = clickPoint(editor, kP5 + 1);
        if (marksPoint_) {
            addConstructedPoint(editor, f);
            return true;
        }
        return AddLineRow(editor.doc, p.x(), p.y(), f.x(), f.y());
    }

    bool marksPoint_;
};

// "Perpendicular at Line": the first click fixes the foot F on the line, the
// second sets the length: the line from F to the pointer's foot on the
// perpendicular through F.
class PerpendicularAtLineTool : public ClickSequenceTool {
public:
    PerpendicularAtLineTool()
        : ClickSequenceTool(
              2, AfterLast::Ends,
              QStringLiteral("2 clicks are needed, 1st click select a point on the line that "
                             "perpendiculae will be drawn\r\n2nd click set the length of the "
                             "perpendicular"))
    {
    }

private:
    void begin(Editor& editor) override { takeLineIntoP3P4(editor); }

    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            trackFoot(editor, pos);
            return;
        }
        const QPoint f = clickPoint(editor, kP5 + 1);
        // The perpendicular through F: F and F turned a quarter about itself
        // from the line's direction.
        const QPoint a = clickPoint(editor, kP3);
        const QPoint b = clickPoint(editor, kP4);
        const QPoint square =
            offsetPoint(f, -(std::int64_t{b.y()} - a.y()), std::int64_t{b.x()} - a.x());
        const std::optional<MeasuredPoint> end = PerpendicularFoot(pos, f, square);
        setReady(editor, end.has_value() && square != f);
        if (end)
            setClickPoint(editor, kP5 + 2, end->point);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            previewFoot(editor, pos);
            return;
        }
        if (!ready(editor))
            return;
        const QPoint f = clickPoint(editor, kP5 + 1);
        const QPoint e = clickPoint(editor, kP5 + 2);
        previewSegment(editor, f, e);
        status(editor, QStringLiteral("L=%1").arg(distance(f, e)));
    }

    bool takeClick(Editor& editor, int) override { return ready(editor); }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint f = clickPoint(editor, kP5 + 1);
        const QPoint e = clickPoint(editor, kP5 + 2);
        return AddLineRow(editor.doc, f.x(), f.y(), e.x(), e.y());
    }
};

// "Mirror point to line": a constructed point at the pointer's image in the
// line (P2-P3), one per click.
class MirrorPointTool : public ClickSequenceTool {
public:
    MirrorPointTool() : ClickSequenceTool(1, AfterLast::Repeats) {}

private:
    void begin(Editor& editor) override
    {
        const LineSegment line = pickedLine(editor, kEndsFallback);
        setClickPoint(editor, kP2, line.a);
        setClickPoint(editor, kP3, line.b);
    }

    void track(Editor& editor, QPoint pos) override
    {
        const std::optional<QPoint> image =
            MirrorPoint(pos, clickPoint(editor, kP2), clickPoint(editor, kP3));
        setReady(editor, image.has_value());
        if (image)
            setClickPoint(editor, kP1, *image);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (!ready(editor))
            return;
        const QPoint r = clickPoint(editor, kP1);
        previewSegment(editor, pos, r);
        status(editor, QStringLiteral("X=%1  Y=%2").arg(r.x()).arg(r.y()));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        addConstructedPoint(editor, clickPoint(editor, kP1));
        return true;
    }
};

// "Perpendicular Bisector": from the midpoint M (P3) of the line to the
// pointer's foot on the bisector (through P4 and P5).
class PerpendicularBisectorTool : public ClickSequenceTool {
public:
    PerpendicularBisectorTool() : ClickSequenceTool(1, AfterLast::Ends) {}

private:
    void begin(Editor& editor) override
    {
        const LineSegment line = pickedLine(editor, kOneFallback);
        setClickPoint(editor, kP1, line.a);
        setClickPoint(editor, kP2, line.b);
        setClickPoint(editor, kP3, midPoint(line.a, line.b));
        const int length = distance(line.a, line.b);
        const std::optional<PointPair> cut = IntersectCircles(line.a, length, line.b, length);
        if (!cut || cut->first == cut->second) {
            editor.ui().message(QStringLiteral("Line too short, bisector not created"));
            editor.CancelTool();
            return;
        }
        setClickPoint(editor, kP4, cut->first);
        setClickPoint(editor, kP5, cut->second);
    }

    void track(Editor& editor, QPoint pos) override
    {
        const std::optional<MeasuredPoint> foot =
            PerpendicularFoot(pos, clickPoint(editor, kP4), clickPoint(editor, kP5));
        setReady(editor, foot.has_value());
        if (foot)
            setClickPoint(editor, kP5 + 1, foot->point);
    }

    void preview(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return;
        const QPoint m = clickPoint(editor, kP3);
        const QPoint f = clickPoint(editor, kP5 + 1);
        previewSegment(editor, m, f);
        status(editor, QStringLiteral("Length=%1").arg(distance(m, f)));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint m = clickPoint(editor, kP3);
        const QPoint f = clickPoint(editor, kP5 + 1);
        return AddLineRow(editor.doc, m.x(), m.y(), f.x(), f.y());
    }
};

} // namespace

void registerPerpendicularTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(std::make_shared<FootTool>(false), {ToolMode::PerpendicularToLine});
    tools.add(std::make_shared<FootTool>(true), {ToolMode::MarkPointOnLine});
    tools.add(std::make_shared<PerpendicularAtLineTool>(), {ToolMode::PerpendicularAtLine});
    tools.add(std::make_shared<MirrorPointTool>(), {ToolMode::MirrorPointToLine});
    tools.add(std::make_shared<PerpendicularBisectorTool>(), {ToolMode::PerpendicularBisector});

    CommandRegistry& commands = registrations.commands;
    const QString notLine = QStringLiteral("Object you have selected in the grid is not a Line(L)");
    commands.add(QStringLiteral("mnulineactperpend"), [notLine](Editor& editor) {
        startIfLine(editor, ToolMode::PerpendicularToLine, true, notLine);
    });
    commands.add(QStringLiteral("mnuMarkpointonline"), [notLine](Editor& editor) {
        startIfLine(editor, ToolMode::MarkPointOnLine, true, notLine);
    });
    commands.add(QStringLiteral("mnupopmirrorpoint"), [](Editor& editor) {
        startIfLine(editor, ToolMode::MirrorPointToLine, false,
                    QStringLiteral("Object NOT line(L)"));
    });
}

} // namespace kel
