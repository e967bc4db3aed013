// Editing the curvature of a picked Bezier curve with the arrow keys on the
// Bezier page.

#include "interaction/tools/curves/BezierPage.h"

#include "figures/FigureMath.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/CurveToolParts.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "model/RecordKinds.h"

#include <array>

namespace kel {

namespace {

using namespace curvetools;

constexpr int kBezierPage = 5;
constexpr int kAttributesPage = 0;
// Only the start of a point-list cell is read; four points never need more.
constexpr int kListChars = 100;

constexpr std::array<Control, 4> kBoxes = {Control::edtPoint0, Control::edtpoint1,
                                           Control::edtpoint2, Control::edtpoint3};

// No pointer work at all: the keys of the Bezier page do the editing.
class BezierEditTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(QStringLiteral("Use arrow keys to adjust the curvature of curve"));
        editor.tool.construction.slot[ConstructionState::kSize] = editor.tool.pickedRow;
        editor.ui().showPage(kBezierPage);
        editor.ui().focusControl(kBoxes[1]);
    }
};

std::optional<QPoint> nudge(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Left:
        return QPoint(-1, 0);
    case Qt::Key_Right:
        return QPoint(1, 0);
    case Qt::Key_Up:
        return QPoint(0, -1);
    case Qt::Key_Down:
        return QPoint(0, 1);
    default:
        return std::nullopt;
    }
}

} // namespace

int bezierBoxIndex(Control control)
{
    for (std::size_t i = 0; i < kBoxes.size(); ++i) {
        if (kBoxes[i] == control)
            return static_cast<int>(i);
    }
    return -1;
}

void bezierBoxEntered(Editor& editor, int box)
{
    if (box < 0 || editor.tool.mode == ToolMode::EditBezierCurvature)
        return;
    editor.ui().message(
        QStringLiteral("No Bezier curve has been selected yet to modify its curvature"));
    editor.ui().focusSurface();
    editor.ui().showPage(kAttributesPage);
}

bool bezierBoxKey(Editor& editor, int box, int qtKey)
{
    const std::optional<QPoint> step = nudge(qtKey);
    if (!step || box < 0 || box > 3 || editor.tool.mode != ToolMode::EditBezierCurvature)
        return false;
    ConstructionState& state = editor.tool.construction;
    const int row = state.slot[ConstructionState::kSize];
    ObjectTable& table = editor.doc.table;
    if (row < 1 || row >= table.rows() || !table.inUse(row) ||
        RowKind(table, row) != RecordKind::Bezier)
        return true; // the key belongs to the box all the same
    editor.runEvent(
        [&] {
            BezierRecordPoints points =
                ParseCurvePoints(table.cell(col::list::Points, row), kListChars);
            QPoint& point = points[static_cast<std::size_t>(box)];
            using figmath::Wide;
            const int x = require(figmath::Narrow(Wide{point.x()} + step->x()));
            const int y = require(figmath::Narrow(Wide{point.y()} + step->y()));
            point = QPoint(x, y);
            SetCurveSlots(state, points);
            editor.ui().setControlText(Control::Label32, QStringLiteral("x=%1 y=%2").arg(x).arg(y));
            table.setCell(col::list::Points, row, MakePointList({points.begin(), points.end()}));
            editor.RedrawAll();
        },
        true);
    return true;
}

void registerCurvatureTool(ToolRegistry& tools)
{
    tools.add(std::make_shared<BezierEditTool>(), {ToolMode::EditBezierCurvature});
}

} // namespace kel
