#include "interaction/commands/MoveTab.h"

#include "interaction/core/Editor.h"
#include "model/Controls.h"

namespace kel {

namespace {
constexpr Control kDone = Control::btndone;
}

void moveTabEntered(Editor& editor)
{
    const ObjectTable& table = editor.doc.table;
    ObjectTable& scratch = editor.doc.scratch;
    ObjectTable::BulkUpdate bulk(scratch);
    scratch.setRows(2);
    scratch.clearRow(1);
    int copies = 0;
    for (int row = 1; row < table.rows(); ++row) {
        if (table.cell(kStateColumn, row) != QLatin1String("Y") || !table.tagged(row))
            continue;
        const int target = ++copies;
        if (target >= scratch.rows())
            scratch.setRows(target + 1);
        // Column 0 keeps the row the copy came from.
        for (int c = 0; c < kTableColumns; ++c)
            scratch.setCell(c, target, table.cell(c, row));
    }
    editor.moveSnapshotRevision = table.revision();
    UiPort& ui = editor.ui();
    ui.setControlEnabled(kDone, copies > 0);
    if (copies == 0) {
        ui.focusSurface();
        ui.message(QStringLiteral("No objects has been tagged for moving"));
    }
}

void moveTabDone(Editor& editor)
{
    ObjectTable& table = editor.doc.table;
    const ObjectTable& scratch = editor.doc.scratch;
    UiPort& ui = editor.ui();
    ui.setControlEnabled(kDone, false);
    // Row numbers in the snapshot are only good for the table they came from.
    if (table.revision() != editor.moveSnapshotRevision) {
        ui.message(QStringLiteral("The drawing has changed since the objects were taken for "
                                  "moving, so nothing was written back"));
        return;
    }
    {
        ObjectTable::BulkUpdate bulk(table);
        for (int r = 1; r < scratch.rows(); ++r) {
            if (scratch.cell(kStateColumn, r).isEmpty())
                continue;
            const int target = scratch.intCell(kNumberColumn, r, 1);
            if (target < 1 || target >= table.rows())
                continue;
            for (int c = 1; c < kTableColumns; ++c)
                table.setCell(c, target, scratch.cell(c, r));
        }
    }
    editor.RedrawAll();
}

} // namespace kel
