// The square grid and the flood fill.

#include "interaction/ShapeTools.h"

#include "interaction/Editor.h"
#include "model/AttributeStrings.h"
#include "model/Controls.h"
#include "render/ShapeDrawers.h"

#include <algorithm>

namespace kel {

namespace {

constexpr int kStartCellSize = 20;
constexpr int kDefaultCellSize = 30;
// The smallest cell the wheel gives; a smaller typed size is taken as it.
constexpr int kMinCellSize = 3;
constexpr int kMinCells = 2;
constexpr int kMaxCells = 100;
constexpr int kCellsDigits = 3;
constexpr int kDefaultFillStyle = 3;

// The cell size typed on page T7 (the wheel writes there too).
int CellSize(const UiPort& ui)
{
    return std::max(valueBox(ui, 1, kDefaultCellSize), kMinCellSize);
}

QString CellSizeStatus(int size)
{
    return QStringLiteral("Cell W H =%1").arg(size);
}

} // namespace

// Grid ----------------------------------------------------------------------

void GridTool::start(Editor& editor)
{
    UiPort& ui = editor.ui();
    ConstructionState& state = editor.tool.construction;
    state.slot[ConstructionState::kSize] = kStartCellSize;
    ui.message(QStringLiteral(
        "you can control grid cells size by mouse whell 2nd mouse click complete action"));
    const QString answer =
        ui.inputBox(QStringLiteral("Enter Number of cells in each row and column(Max=100"),
                    QStringLiteral("Number of cells"), QStringLiteral("10"));
    bool ok = false;
    const int cells = answer.left(kCellsDigits).toInt(&ok, 10);
    if (!ok || cells < kMinCells || cells > kMaxCells) {
        ui.message(QStringLiteral("Invalid number of cells  1<N<100"));
        // The tool is over: the value page is not offered for it.
        editor.CancelTool();
        return;
    }
    state.slot[ConstructionState::kCount] = cells;
    editor.ShowValuePage(QStringLiteral("Width"), QStringLiteral("NA"), QStringLiteral("NA"));
    ui.setControlText(Control::edtvar1, QString::number(kStartCellSize));
    ui.focusSurface();
}

void GridTool::move(Editor& editor, QPoint pos)
{
    ConstructionState& state = editor.tool.construction;
    if (state.clicks() != 0)
        return;
    state.setPoint(0, pos);
    const int size = CellSize(editor.ui());
    state.slot[ConstructionState::kSize] = size;
    editor.ui().setStatus(3, CellSizeStatus(size));
    DrawGrid(editor.surfaceCanvas(), editor.doc.current, pos, state.slot[ConstructionState::kCount],
             size);
}

void GridTool::click(Editor& editor, QPoint)
{
    ConstructionState& state = editor.tool.construction;
    const int size = CellSize(editor.ui());
    state.slot[ConstructionState::kSize] = size;
    // P1 is the lower-left corner: the grid grows up and to the right.
    const QPoint origin = state.point(0);
    Document& doc = editor.doc;
    AppendRow(doc, {QStringLiteral("D"), MakePenAttr(doc), QString::number(origin.x()),
                    QString::number(origin.y()),
                    QString::number(state.slot[ConstructionState::kCount]), QString::number(size)});
    editor.CancelTool();
}

// Fill ----------------------------------------------------------------------

void FillTool::start(Editor& editor)
{
    if (!editor.doc.panel.transparentObjects)
        return;
    editor.ui().message(QStringLiteral("Action is canceled, must select Brush Pat >0"));
    // Without a pattern there is nothing to fill with: the tool never starts.
    editor.tool.mode = 0;
}

void FillTool::click(Editor& editor, QPoint pos)
{
    // The seed is where the button went down.
    const AttributePanel& panel = editor.doc.panel;
    bool ok = false;
    int style = panel.brushPattern.text.toInt(&ok, 10);
    if (!ok)
        style = kDefaultFillStyle;
    const QString fill =
        (colourHex(panel.brushSwatch) + QString::number(static_cast<unsigned>(style) & 0xFFu, 16)
                                            .toUpper()
                                            .rightJustified(2, QLatin1Char('0')));
    AppendRow(editor.doc, {QStringLiteral("F"), fill, QString::number(pos.x()),
                           QString::number(pos.y()), colourHex(panel.boundarySwatch)});
    editor.RedrawAll();
}

} // namespace kel
