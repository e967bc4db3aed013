// Parallelograms on the picked line: as one side, with the opposite side
// following the pointer (repeatable), or as a diagonal, with one corner at
// the pointer.

#include "constructions/lines/LineSupport.h"
#include "constructions/triangles/TriangleTools.h"

#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "figures/Quadrilaterals.h"
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

constexpr int kA = kP5;
constexpr int kB = 5; // P6

const QString kNotLine =
    QStringLiteral("Object you have selected is not a line to construct a parallelogram");

void addLine(Editor& editor, QPoint from, QPoint to)
{
    AddLineRow(editor.doc, from.x(), from.y(), to.x(), to.y());
}

void startOnLine(Editor& editor, ToolMode mode)
{
    if (!pickedIsLine(editor, true)) {
        editor.ui().message(kNotLine);
        editor.CancelTool();
        return;
    }
    editor.startTool(mode);
}

void takeLine(Editor& editor)
{
    const LineSegment line = pickedLine(editor, kOneFallback);
    setClickPoint(editor, kP1, line.a);
    setClickPoint(editor, kP2, line.b);
}

// "Construct ParallelG. by side": the first move of each round makes the
// line end nearer the pointer A (P5) and counts as the first click; the
// pointer is C, D = C + (B - A) (P4 = C, P3 = D).
class ParallelogramBySideTool : public ClickSequenceTool {
public:
    ParallelogramBySideTool() : ClickSequenceTool(2, AfterLast::Repeats) {}

private:
    void begin(Editor& editor) override { takeLine(editor); }

    void track(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0) {
            const QPoint p1 = clickPoint(editor, kP1);
            const QPoint p2 = clickPoint(editor, kP2);
            const bool p1Nearer = distance(pos, p1) < distance(pos, p2);
            setClickPoint(editor, kA, p1Nearer ? p1 : p2);
            setClickPoint(editor, kB, p1Nearer ? p2 : p1);
            clickCount(editor) = 1;
        }
        const std::optional<QPoint> d =
            ParallelogramOnSide(clickPoint(editor, kA), clickPoint(editor, kB), pos);
        setReady(editor, d.has_value());
        if (!d)
            return;
        setClickPoint(editor, kP3, *d);
        setClickPoint(editor, kP4, pos);
    }

    void preview(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return;
        const QPoint a = clickPoint(editor, kA);
        const QPoint b = clickPoint(editor, kB);
        const QPoint c = clickPoint(editor, kP4);
        const QPoint d = clickPoint(editor, kP3);
        previewSegment(editor, a, c);
        previewSegment(editor, c, d);
        previewSegment(editor, d, b);
        const std::optional<MeasuredPoint> foot = PerpendicularFoot(c, a, b);
        const int height = foot ? foot->distance : 0;
        status(editor, QStringLiteral("H=%1 Ang=%2").arg(height).arg(AngleAtVertex(a, b, c)));
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint a = clickPoint(editor, kA);
        const QPoint b = clickPoint(editor, kB);
        const QPoint c = clickPoint(editor, kP4);
        const QPoint d = clickPoint(editor, kP3);
        addLine(editor, c, d);
        addLine(editor, c, a);
        addLine(editor, d, b);
        return true;
    }
};

// "Construct ParallelG. by diag": the picked line A-B is a diagonal, the
// pointer the corner C (P3), D = 2M - C (P4).
class ParallelogramByDiagonalTool : public ClickSequenceTool {
public:
    ParallelogramByDiagonalTool() : ClickSequenceTool(1, AfterLast::Ends) {}

private:
    void begin(Editor& editor) override { takeLine(editor); }

    void track(Editor& editor, QPoint pos) override
    {
        const std::optional<QPoint> d =
            ParallelogramOnDiagonal(clickPoint(editor, kP1), clickPoint(editor, kP2), pos);
        setReady(editor, d.has_value());
        if (!d)
            return;
        setClickPoint(editor, kP3, pos);
        setClickPoint(editor, kP4, *d);
    }

    void preview(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return;
        const QPoint a = clickPoint(editor, kP1);
        const QPoint b = clickPoint(editor, kP2);
        const QPoint c = clickPoint(editor, kP3);
        const QPoint d = clickPoint(editor, kP4);
        previewSegment(editor, c, a);
        previewSegment(editor, c, b);
        previewSegment(editor, b, d);
        previewSegment(editor, a, d);
    }

    bool complete(Editor& editor, QPoint) override
    {
        if (!ready(editor))
            return false;
        const QPoint a = clickPoint(editor, kP1);
        const QPoint b = clickPoint(editor, kP2);
        const QPoint c = clickPoint(editor, kP3);
        const QPoint d = clickPoint(editor, kP4);
        addLine(editor, c, a);
        addLine(editor, c, b);
        addLine(editor, b, d);
        addLine(editor, a, d);
        return true;
    }
};

} // namespace

void registerParallelogramTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<ParallelogramBySideTool>(),
                            {ToolMode::ParallelogramBySide});
    registrations.tools.add(std::make_shared<ParallelogramByDiagonalTool>(),
                            {ToolMode::ParallelogramByDiagonal});
    registrations.commands.add(QStringLiteral("mnulineactPGS"), [](Editor& editor) {
        startOnLine(editor, ToolMode::ParallelogramBySide);
    });
    registrations.commands.add(QStringLiteral("mnuLineactPGD"), [](Editor& editor) {
        startOnLine(editor, ToolMode::ParallelogramByDiagonal);
    });
}

} // namespace kel
