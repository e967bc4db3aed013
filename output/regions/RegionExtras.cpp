// Tag Single Object, Erase Block and the "Include dot frame" switch.

#include "output/regions/RegionTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/ClickSequenceTool.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

// Every kind the picker finds; where objects overlap the lowest row wins.
const QString kPickableLetters = QStringLiteral("PLCATFE12DGBNfK");

class TagSingleObjectTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.tool.pickedRow = -1;
        editor.ui().message(
            QStringLiteral("Move mouse freely and tag any objects , can be repeated"));
    }

    // The hover: the object under the pointer is remembered and highlighted.
    void move(Editor& editor, QPoint pos) override
    {
        int found = -1;
        for (const QChar letter : kPickableLetters) {
            const int row = editor.picker.pick(pos, letter, editor.renderer.bitmap().size());
            if (row > 0 && (found < 0 || row < found))
                found = row;
        }
        editor.tool.pickedRow = found;
        if (found > 0)
            editor.renderer.HighlightRow(editor.surfaceCanvas(), found);
    }

    void click(Editor& editor, QPoint) override
    {
        const int row = editor.tool.pickedRow;
        if (row < 1) {
            editor.ui().message(QStringLiteral("No object was tagged"));
            return;
        }
        editor.doc.table.setCell(col::Tag, row, kTagMark);
        editor.ui().setGridCurrentRow(row);
        editor.ui().message(QStringLiteral("Object in row %1 was tagged").arg(row));
    }
};

// A block in the brush colour over the rectangle of two clicks (P1, P2).
class EraseBlockTool : public ClickSequenceTool {
public:
    EraseBlockTool()
        : ClickSequenceTool(2, AfterLast::Ends,
                            QStringLiteral("2 clicks are needed to set the block that will be "
                                           "filled"))
    {
    }

protected:
    void track(Editor& editor, QPoint pos) override
    {
        ConstructionState& state = editor.tool.construction;
        state.setPoint(state.clicks() == 0 ? 0 : 1, pos);
    }

    void preview(Editor& editor, QPoint pos) override
    {
        if (editor.tool.construction.clicks() != 1)
            return;
        const QPoint a = editor.tool.construction.point(0);
        Canvas& canvas = editor.surfaceCanvas();
        canvas.setPen({editor.doc.current.penColour, 1, PenStyle::Solid});
        canvas.setBrush({kWhite, BrushStyle::Clear});
        canvas.rectangle(a.x(), a.y(), pos.x(), pos.y());
    }

    bool complete(Editor& editor, QPoint) override
    {
        const QPoint a = editor.tool.construction.point(0);
        const QPoint b = editor.tool.construction.point(1);
        const int r = FindFreeRow(editor.doc);
        ObjectTable& table = editor.doc.table;
        table.setCell(col::State, r, QStringLiteral("Y"));
        table.setCell(col::Type, r, KindText(RecordKind::Block));
        table.setCell(col::block::Colour, r,
                      static_cast<long long>(editor.doc.current.brushColour));
        table.setCell(col::block::X1, r, a.x());
        table.setCell(col::block::Y1, r, a.y());
        table.setCell(col::block::X2, r, b.x());
        table.setCell(col::block::Y2, r, b.y());
        return true;
    }
};

} // namespace

void registerRegionExtras(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<TagSingleObjectTool>(), {ToolMode::TagSingleObject});
    registrations.tools.add(std::make_shared<EraseBlockTool>(), {ToolMode::EraseBlock});
    registrations.commands.add(QStringLiteral("mnuincdotfram"), [](Editor& editor) {
        const QString item = QStringLiteral("mnuincdotfram");
        editor.setMenuChecked(item, !editor.menuChecked(item));
    });
}

void registerRegionTools(Registrations& registrations)
{
    registerRegionSelectionTools(registrations);
    registerRegionMoveTools(registrations);
    registerRegionTransformTools(registrations);
    registerRegionExtras(registrations);
}

} // namespace kel
