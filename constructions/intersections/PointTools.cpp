// Points placed from other points: the midpoint and the mirror image of the
// picked point with respect to the pointer, cross points of a grid, and
// points typed in a grid's own coordinates.

#include "constructions/intersections/IntersectionTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/GridPoints.h"
#include "figures/NearestKeyPoint.h"
#include "figures/TableCells.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

#include <cmath>
#include <utility>

namespace kel {

namespace {

using namespace linetools;
using namespace clickpoint;

constexpr int kMarkShape = 3;
constexpr int kGridFallback = 10;
constexpr int kMaxNumberLength = 20;
constexpr int kStepSlot = 26;

const QString kGridPointShape = QStringLiteral("2");

int pickedRowOrZero(const Editor& editor)
{
    const int r = editor.tool.pickedRow;
    return r >= 1 && r < editor.doc.table.rows() ? r : 0;
}

// The picked point (x reads 10, y 20 when unreadable) into P1.
void takePickedPoint(Editor& editor)
{
    const ObjectTable& table = editor.doc.table;
    const int r = pickedRowOrZero(editor);
    setClickPoint(
        editor, kP1,
        {cells::Int(table, col::point::X, r, 10), cells::Int(table, col::point::Y, r, 20)});
}

// "Mid point 2 another Point" and "Mirror Point to Point": P2 is the point
// the pointer makes of the picked point P1; one click appends it.
class PointToPointTool : public ClickSequenceTool {
public:
    PointToPointTool(QString instruction, bool mirror)
        : ClickSequenceTool(1, AfterLast::Ends, std::move(instruction)), mirror_(mirror)
    {
    }

private:
    void begin(Editor& editor) override { takePickedPoint(editor); }

    void preview(Editor& editor, QPoint pos) override
    {
        const QPoint p1 = clickPoint(editor, kP1);
        const QPoint p2 = mirror_ ? offsetPoint(pos, std::int64_t{pos.x()} - p1.x(),
                                                std::int64_t{pos.y()} - p1.y())
                                  : midPoint(p1, pos);
        setClickPoint(editor, kP2, p2);
        previewMark(editor, p2, kMarkShape);
        status(editor, QStringLiteral("L=%1").arg(distance(p1, p2)));
    }

    bool complete(Editor& editor, QPoint) override
    {
        const QPoint p2 = clickPoint(editor, kP2);
        AddPointRow(editor.doc, p2.x(), p2.y());
        return true;
    }

    bool mirror_;
};

// "ID Grid Cross Points": every click marks the key point nearest the
// pointer (a grid's nearest cross point) with a point of shape 2.
class GridCrossPointTool : public ClickSequenceTool {
public:
    GridCrossPointTool()
        : ClickSequenceTool(1, AfterLast::Repeats,
                            QStringLiteral("Left mouse click will insert a new point at the "
                                           "desired cross point in grod"))
    {
    }

private:
    void preview(Editor& editor, QPoint pos) override
    {
        const std::optional<KeyPoint> key = NearestKeyPoint(editor.doc.table, pos, false);
        const QPoint at = key ? key->point : pos;
        setClickPoint(editor, kP1, at);
        previewMark(editor, at, kMarkShape);
    }

    bool complete(Editor& editor, QPoint) override
    {
        addShapedPoint(editor, clickPoint(editor, kP1), kGridPointShape);
        return true;
    }
};

// A decimal number of at most 20 characters with a finite value.
std::optional<double> finiteNumber(const QString& text)
{
    if (text.size() > kMaxNumberLength)
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// "Mark Any Grid Point": the first click chooses a cross point of the picked
// grid as origin O (P1); every later click asks for X and Y in cell widths
// and marks O + (w X, -w Y).
class GridPointTool : public Tool {
public:
    void click(Editor& editor, QPoint pos) override
    {
        if (clickCount(editor) == 0)
            chooseOrigin(editor, pos);
        else
            markTypedPoint(editor);
    }

private:
    static void chooseOrigin(Editor& editor, QPoint pos)
    {
        const ObjectTable& table = editor.doc.table;
        const int r = pickedRowOrZero(editor);
        using namespace col::grid;
        const GridFrame grid{cells::Point(table, Left, r, kGridFallback),
                             cells::Int(table, Cells, r, kGridFallback),
                             cells::Int(table, CellSize, r, kGridFallback)};
        if (!GridCrossIndex(grid, pos)) {
            editor.ui().message(
                QStringLiteral("Point selected is not in exact grid line location"));
            return;
        }
        AddPointRow(editor.doc, pos.x(), pos.y());
        setClickPoint(editor, kP1, pos);
        toolSlot(editor, kStepSlot) = grid.step;
        clickCount(editor) = 1;
        editor.RedrawAll();
    }

    static void markTypedPoint(Editor& editor)
    {
        const QString answer =
            editor.ui().inputBox(QStringLiteral("Floating point location marker"),
                                 QStringLiteral("Enter decimal X,Y "), QStringLiteral("0 0"));
        const qsizetype space = answer.indexOf(u' ');
        if (answer.isEmpty() || space == 0)
            return;
        const std::optional<double> x = space > 0 ? finiteNumber(answer.left(space)) : std::nullopt;
        const std::optional<double> y =
            space > 0 ? finiteNumber(answer.mid(space + 1)) : std::nullopt;
        if (!x || !y) {
            editor.ui().message(QStringLiteral(
                "Invalid numerical format, make sure only 1 space separate 2 numbers"));
            return;
        }
        const QPoint p = requirePoint(
            GridMarkPoint(clickPoint(editor, kP1), toolSlot(editor, kStepSlot), *x, *y));
        AddPointRow(editor.doc, p.x(), p.y());
        editor.RedrawAll();
    }
};

// A grid whose cell width is not positive has no cross points to choose.
void startGridPoint(Editor& editor)
{
    const int r = pickedRowOrZero(editor);
    if (cells::Int(editor.doc.table, col::grid::CellSize, r, kGridFallback) <= 0) {
        editor.ui().message(QStringLiteral("Grid cell width must be 1 or more"));
        return;
    }
    editor.ui().message(QStringLiteral(
        "1st click select the Origin point of grid \r\nFurther point are entered in the Dialog "
        "Edit Box , they can be decimal, Esc when done\r\nWidth of each cell is 1"));
    editor.startTool(ToolMode::MarkGridPoint);
}

} // namespace

void registerPointTools(Registrations& registrations)
{
    ToolRegistry& tools = registrations.tools;
    tools.add(
        std::make_shared<PointToPointTool>(
            QStringLiteral("1 click needed to find the mid point of this point and 2nd point"),
            false),
        {ToolMode::MidPointToPoint});
    tools.add(std::make_shared<PointToPointTool>(
                  QStringLiteral("1 click needed to mirror the selected point respect to mouse "
                                 "locatin\r\nClick F4 for nearest point"),
                  true),
              {ToolMode::MirrorPointToPoint});
    tools.add(std::make_shared<GridCrossPointTool>(), {ToolMode::MarkGridCrossPoints});
    tools.add(std::make_shared<GridPointTool>(), {ToolMode::MarkGridPoint});
    registrations.commands.add(QStringLiteral("mnuMarkGridPoints"), startGridPoint);
}

} // namespace kel
