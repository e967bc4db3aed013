#include "interaction/tools/moving/TaggedRowsEngine.h"

#include "figures/FigureMath.h"
#include "figures/RowShift.h"
#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"
#include "model/TaggedRows.h"
#include "render/OffsetCanvas.h"

namespace kel {

namespace {

// The pointer's offset from the grip point; beyond 32 bits the action fails.
QPoint offsetFromGrip(const Editor& editor, QPoint pointer)
{
    using figmath::Wide;
    const QPoint grip = gripPoint(editor);
    return requirePoint(
        figmath::MakePoint(Wide{pointer.x()} - grip.x(), Wide{pointer.y()} - grip.y()));
}

void drawCopies(Editor& editor, QPoint offset)
{
    const ObjectTable& scratch = editor.doc.scratch;
    // Drawn through the opposite shift, a row lands `offset` away.
    OffsetCanvas shifted(editor.surfaceCanvas(), -offset);
    const int last = scratch.lastRowInUse();
    for (int r = 1; r <= last; ++r) {
        const int source = scratch.intCell(col::Number, r, 0);
        if (scratch.cell(col::State, r) == QLatin1String("Y") && source >= 1)
            editor.renderer.drawRow(shifted, source);
    }
}

} // namespace

QPoint gripPoint(const Editor& editor)
{
    return editor.tool.construction.point(kGripSlot);
}

void setGripPoint(Editor& editor, QPoint grip)
{
    editor.tool.construction.setPoint(kGripSlot, grip);
}

int CopyTaggedRowsToScratch(Document& doc)
{
    ObjectTable& scratch = doc.scratch;
    const ObjectTable& table = doc.table;
    ObjectTable::BulkUpdate bulk(scratch);
    scratch.setRows(2);
    scratch.clearRow(1);
    int copied = 0;
    const int last = table.lastRowInUse();
    for (int r = 1; r <= last; ++r) {
        if (!table.tagged(r) || table.cell(col::State, r) != QLatin1String("Y"))
            continue;
        ++copied;
        if (copied + 1 > scratch.rows())
            scratch.setRows(copied + 1);
        for (int c = 1; c < kTableColumns; ++c)
            scratch.setCell(c, copied, table.cell(c, r));
        scratch.setCell(col::Number, copied, r);
    }
    return copied;
}

void MoveTaggedRows(Editor& editor, QPoint pointer, MoveAction action)
{
    const QPoint offset = offsetFromGrip(editor, pointer);
    if (action == MoveAction::Preview) {
        drawCopies(editor, offset);
        return;
    }
    const ShiftResult shifted = ShiftScratchRows(editor.doc.scratch, offset);
    if (!shifted.ok())
        throw ActionFailed(shifted.error);
    ObjectTable& table = editor.doc.table;
    ObjectTable::BulkUpdate bulk(table);
    for (const ShiftedRow& copy : shifted.rows) {
        int target = copy.source;
        if (action == MoveAction::Duplicate)
            target = FindFreeRow(editor.doc);
        else if (target >= table.rows() || !table.inUse(target))
            continue; // the object row went away since the copy was taken
        for (int c = 1; c < kTableColumns; ++c)
            table.setCell(c, target, copy.cells[static_cast<std::size_t>(c)]);
        table.setCell(col::Tag, target, QString());
    }
    if (action == MoveAction::Duplicate) {
        table.renumber();
        ClearAllTags(table);
    }
}

} // namespace kel
