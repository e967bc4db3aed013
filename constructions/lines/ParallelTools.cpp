// Parallels to the picked line: at a distance set by a click with both ends
// chosen on the guide, and from a chosen point with its length.

#include "constructions/lines/LineSupport.h"
#include "constructions/lines/LineTools.h"
#include "constructions/lines/SegmentTool.h"

#include "figures/Perpendiculars.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kGuideStart = 5; // P6, P7: the guide's ends
constexpr int kPointer = 7;    // P8

// The picked line into P1, P2; a line of one point has no direction.
bool takeDirectedLine(Editor& editor)
{
    const LineSegment line = pickedLine(editor, kOneFallback);
    setClickPoint(editor, kP1, line.a);
    setClickPoint(editor, kP2, line.b);
    if (line.a != line.b)
        return true;
    editor.ui().message(QStringLiteral("Line too short, parallel line not created"));
    editor.CancelTool();
    return false;
}

// The pointer's foot on P1-P2, shown with its distance, before the first click.
void trackDistance(Editor& editor, QPoint pos, int into)
{
    const std::optional<MeasuredPoint> foot =
        PerpendicularFoot(pos, clickPoint(editor, kP1), clickPoint(editor, kP2));
    setReady(editor, foot.has_value());
    if (!foot)
        return;
    setClickPoint(editor, into, pos);
    setClickPoint(editor, kPointer, foot->point);
}

void previewDistance(Editor& editor, QPoint pos)
{
    if (!ready(editor))
        return;
    const QPoint f = clickPoint(editor, kPointer);
    previewSegment(editor, pos, f);
    status(editor, QStringLiteral("H=%1").arg(distance(pos, f)));
}

// The pointer's foot on the guide a-b into `into`.
void trackOnGuide(Editor& editor, QPoint pos, QPoint a, QPoint b, int into)
{
    const std::optional<MeasuredPoint> foot = PerpendicularFoot(pos, a, b);
    setReady(editor, foot.has_value());
    if (foot)
        setClickPoint(editor, into, foot->point);
}

// "Draw Parallel Line": click 1 sets the distance (C in P5), clicks 2 and 3
// the ends E1 (P3) and E2 (P4) on the guide through C.
class ParallelLineTool : public ClickSequenceTool {
public:
    ParallelLineTool()
        : ClickSequenceTool(3, AfterLast::Ends,
                            QStringLiteral("3 clicks needed 1st click set the distance of "
                                           "parallel line, 2nd\r\nand 3rd clicks to set the 2 "
                                           "points of line"))
    {
    }

private:
    void begin(Editor& editor) override { takeDirectedLine(editor); }

    void track(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks == 0) {
            trackDistance(editor, pos, kP5);
            return;
        }
        const QPoint a = guideStart(editor);
        const QPoint b = guideEnd(editor);
        trackOnGuide(editor, pos, a, b, clicks == 1 ? kP3 : kP4);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        const int clicks = clickCount(editor);
        if (clicks == 0) {
            previewDistance(editor, pos);
            return;
        }
        if (!ready(editor))
            return;
        previewGuide(editor, guideStart(editor), guideEnd(editor));
        const QPoint e1 = clickPoint(editor, kP3);
        if (clicks == 2) {
            const QPoint e2 = clickPoint(editor, kP4);
            previewSegment(editor, e1, e2);
            status(editor, QStringLiteral("Len=%1").arg(distance(e1, e2)));
        } else {
            previewMark(editor, e1, 0);
        }
    }

    bool takeClick(Editor& editor, int) override { return ready(editor); }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint e1 = clickPoint(editor, kP3);
        const QPoint e2 = clickPoint(editor, kP4);
        return AddLineRow(editor.doc, e2.x(), e2.y(), e1.x(), e1.y());
    }

    // C + (P1 - P2) and C - (P1 - P2): twice the line's length, centred on C.
    static QPoint guideStart(Editor& editor) { return guidePoint(editor, 1); }
    static QPoint guideEnd(Editor& editor) { return guidePoint(editor, -1); }
    static QPoint guidePoint(Editor& editor, int sign)
    {
        const QPoint c = clickPoint(editor, kP5);
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        return offsetPoint(c, sign * (std::int64_t{p1.x()} - p2.x()),
                           sign * (std::int64_t{p1.y()} - p2.y()));
    }
};

// "Arbitrary Parallel Line": the first click is the start P3, the second
// sets the length along the parallel through it (end P4).
class ArbitraryParallelTool : public SegmentTool {
public:
    ArbitraryParallelTool()
        : SegmentTool(2, AfterLast::Ends,
                      QStringLiteral("!st click set the verical distance of new parallel "
                                     "line\r\n2nd click set then length of parallel line"),
                      kP3, kP4)
    {
    }

private:
    void begin(Editor& editor) override { takeDirectedLine(editor); }

    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            trackDistance(editor, pos, kP3);
            return;
        }
        const QPoint p3 = clickPoint(editor, kP3);
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = clickPoint(editor, kP2);
        const QPoint along =
            offsetPoint(p3, std::int64_t{p1.x()} - p2.x(), std::int64_t{p1.y()} - p2.y());
        trackOnGuide(editor, pos, p3, along, kP4);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            previewDistance(editor, pos);
            return;
        }
        previewLine(editor, QStringLiteral("Length=%1"));
        if (ready(editor))
            previewGuide(editor, pos, clickPoint(editor, kP4));
    }
};

} // namespace

void registerParallelTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<ParallelLineTool>(),
                            {ToolMode::ParallelLineAtDistance});
    registrations.tools.add(std::make_shared<ArbitraryParallelTool>(),
                            {ToolMode::ArbitraryParallelLine});
    registrations.commands.add(QStringLiteral("mnuParallelLine"), [](Editor& editor) {
        startIfLine(editor, ToolMode::ParallelLineAtDistance, true,
                    QStringLiteral("Object selected in grid(yellow-green)is not a line"));
    });
}

} // namespace kel
