// Move and duplicate of the picked object: the object alone is carried by
// the move and duplicate engine. Click 1 takes hold of it, click 2 drops it;
// a duplicate goes on dropping copies, each measured from the same grip.

#include "constructions/moving/MovingTools.h"

#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/moving/TaggedRowsEngine.h"
#include "model/RecordKinds.h"
#include "model/TaggedRows.h"

namespace kel {

namespace {

// The instruction of the line-like objects is shown three times a run; the
// others show theirs every time.
constexpr int kLineInstructionShows = 3;

bool lineLike(RecordKind kind)
{
    return kind == RecordKind::Line || kind == RecordKind::Polyline ||
           kind == RecordKind::Polygon || kind == RecordKind::Bezier;
}

class PickedObjectMoveTool : public Tool {
public:
    explicit PickedObjectMoveTool(MoveAction drop) : drop_(drop) {}

    void start(Editor& editor) override
    {
        const int row = editor.tool.pickedRow;
        ObjectTable& table = editor.doc.table;
        const std::optional<RecordKind> kind =
            row >= 1 && table.inUse(row) ? RowKind(table, row) : std::nullopt;
        if (!kind) {
            editor.CancelTool();
            return;
        }
        ClearAllTags(table);
        table.setCell(col::Tag, row, kTagMark);
        CopyTaggedRowsToScratch(editor.doc);
        if (!lineLike(*kind)) {
            editor.ui().message(QStringLiteral(
                "1st click will set the grip point of the OBJECT , 2nd click will set it"));
        } else if (lineShows_ < kLineInstructionShows) {
            ++lineShows_;
            editor.ui().message(QStringLiteral(
                "1st click will set the grip point of the objects, 2nd click will ancore them"));
        }
    }

    void move(Editor& editor, QPoint pos) override
    {
        if (editor.tool.construction.clicks() >= 1)
            MoveTaggedRows(editor, pos, MoveAction::Preview);
    }

    void click(Editor& editor, QPoint pos) override
    {
        std::int32_t& clicks = editor.tool.construction.clicks();
        if (clicks == 0) {
            setGripPoint(editor, pos);
            clicks = 1;
            return;
        }
        MoveTaggedRows(editor, pos, drop_);
        if (drop_ == MoveAction::Move) {
            editor.CancelTool();
            return;
        }
        editor.RedrawAll();
        MoveTaggedRows(editor, pos, MoveAction::Preview);
    }

private:
    MoveAction drop_;
    int lineShows_ = 0;
};

} // namespace

void registerPickedObjectMoves(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<PickedObjectMoveTool>(MoveAction::Move),
                            {ToolMode::MovePickedObject});
    registrations.tools.add(std::make_shared<PickedObjectMoveTool>(MoveAction::Duplicate),
                            {ToolMode::DuplicatePickedObject});
    // A polynomial curve is moved with a small crop area instead.
    registrations.commands.add(QStringLiteral("popPolynomialMove"), [](Editor& editor) {
        editor.ui().message(QStringLiteral("Use small crop area to move"));
    });
    registrations.commands.add(QStringLiteral("popPolynomialDuplicate"), [](Editor& editor) {
        editor.ui().message(QStringLiteral("Use small crop area to duplicate the polynomial"));
    });
}

} // namespace kel
