// The square grid and the flood fill.

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/core/WheelRules.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "interaction/tools/CreationTools.h"
#include "interaction/tools/ShapeToolKit.h"
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

// The square grid: cells asked for at the start, one click; the wheel sets
// the cell size.
class GridTool : public ClickSequenceTool {
public:
    static constexpr int kMaxCellSize = 400;

    GridTool()
        : ClickSequenceTool(1, AfterLast::Ends,
                            QStringLiteral("you can control grid cells size by mouse whell 2nd "
                                           "mouse click complete action"))
    {
    }

    // The wheel sets the cell size between 3 and 400, shown in the size box and
    // the status bar.
    void wheel(Editor& editor, int notches) override
    {
        std::int32_t& size = editor.tool.construction.slot[ConstructionState::kSize];
        forEachNotch(notches, [&](int step) {
            size = std::clamp(size + step, kMinCellSize, kMaxCellSize);
            showControlValue(editor.ui(), Control::edtvar1, size);
            editor.ui().setStatus(3, CellSizeStatus(size));
        });
    }

private:
    void begin(Editor& editor) override
    {
        UiPort& ui = editor.ui();
        ConstructionState& state = editor.tool.construction;
        state.slot[ConstructionState::kSize] = kStartCellSize;
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

    void preview(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        if (state.clicks() != 0)
            return;
        state.setPoint(0, pos);
        const int size = CellSize(editor.ui());
        state.slot[ConstructionState::kSize] = size;
        editor.ui().setStatus(3, CellSizeStatus(size));
        DrawGrid(editor.surfaceCanvas(), editor.doc.current, pos,
                 state.slot[ConstructionState::kCount], size);
    }

    bool complete(Editor& editor, QPoint) override
    {
        ConstructionState& state = editor.tool.construction;
        const int size = CellSize(editor.ui());
        state.slot[ConstructionState::kSize] = size;
        // P1 is the lower-left corner: the grid grows up and to the right.
        const QPoint origin = state.point(0);
        Document& doc = editor.doc;
        AppendRow(doc,
                  {QStringLiteral("D"), MakePenAttr(doc), QString::number(origin.x()),
                   QString::number(origin.y()),
                   QString::number(state.slot[ConstructionState::kCount]), QString::number(size)});
        return true;
    }
};

// The flood fill: one fill per click.
class FillTool : public ClickSequenceTool {
public:
    FillTool() : ClickSequenceTool(1, AfterLast::Repeats) {}

private:
    void begin(Editor& editor) override
    {
        if (!editor.doc.panel.transparentObjects)
            return;
        editor.ui().message(QStringLiteral("Action is canceled, must select Brush Pat >0"));
        // Without a pattern there is nothing to fill with: the tool never starts.
        editor.tool.mode = ToolMode::Idle;
    }

    bool complete(Editor& editor, QPoint pos) override
    {
        // The seed is where the button went down.
        const AttributePanel& panel = editor.doc.panel;
        bool ok = false;
        int style = panel.brushPattern.text.toInt(&ok, 10);
        if (!ok)
            style = kDefaultFillStyle;
        const QString fill = (colourHex(panel.brushSwatch) +
                              QString::number(static_cast<unsigned>(style) & 0xFFu, 16)
                                  .toUpper()
                                  .rightJustified(2, QLatin1Char('0')));
        AppendRow(editor.doc, {QStringLiteral("F"), fill, QString::number(pos.x()),
                               QString::number(pos.y()), colourHex(panel.boundarySwatch)});
        return true;
    }
};

} // namespace

void registerGridFillTools(ToolRegistry& tools)
{
    tools.add(std::make_shared<GridTool>(), {ToolMode::DrawGrid});
    tools.add(std::make_shared<FillTool>(), {ToolMode::FillRegion});
}

} // namespace kel
