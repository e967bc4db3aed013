#include "interaction/commands/TableCommands.h"

#include "interaction/core/Editor.h"
#include "model/TableOperations.h"
#include "model/TaggedRows.h"

#include <algorithm>

namespace kel {

namespace {

constexpr int kEditPage = 2;
// "Duplicate" scrolls the first copy this many rows below the top.
constexpr int kRowsAboveCopies = 7;
const QString kShowObjectsInfo = QStringLiteral("mnuTrackObjs");

void clearTags(Editor& editor)
{
    ClearAllTags(editor.doc.table);
    editor.ui().repaintGrid();
}

void tagSelectedRows(Editor& editor)
{
    if (const std::optional<RowRange> range = editor.ui().gridSelection()) {
        TagRowsInRange(editor.doc.table, *range);
        editor.ui().repaintGrid();
    }
}

void deleteSelectedRows(Editor& editor)
{
    UiPort& ui = editor.ui();
    const std::optional<RowRange> range = ui.gridSelection();
    const int deleted = range ? DeleteRowsInRange(editor.doc.table, *range) : 0;
    ui.clearGridSelection();
    editor.RedrawAll();
    ui.message(QString::number(deleted) + QStringLiteral(" Objects deleted"));
}

void deleteTaggedAndCompact(Editor& editor)
{
    const int tagged = CountTaggedRows(editor.doc.table);
    if (tagged == 0)
        return;
    if (!editor.ui().askYesNo(QStringLiteral("Are you sure to delete %1 Objects").arg(tagged)))
        return;
    CompactUntaggedRows(editor.doc.table);
    editor.RedrawAll();
    editor.ui().repaintGrid();
}

void deleteTagged(Editor& editor)
{
    DeleteTaggedRows(editor.doc.table);
    editor.RedrawAll();
    editor.ui().setGridCurrentRow(1);
}

void hideTagged(Editor& editor)
{
    HideTaggedRows(editor.doc.table);
    editor.RedrawAll();
}

void duplicateTagged(Editor& editor)
{
    const int first = DuplicateTaggedRows(editor.doc);
    if (first == 0)
        return;
    UiPort& ui = editor.ui();
    ui.setGridCurrentRow(first);
    ui.scrollGridTo(std::max(first - kRowsAboveCopies, 1));
    ui.repaintGrid();
    ui.message(QStringLiteral("New objects were posted from row %1  select them first then you "
                              "can move them")
                   .arg(first));
}

void toggleObjectsInfo(Editor& editor)
{
    editor.setMenuChecked(kShowObjectsInfo, !editor.menuChecked(kShowObjectsInfo));
    editor.RedrawAll();
}

void openEditPage(Editor& editor)
{
    UiPort& ui = editor.ui();
    ui.showPage(kEditPage);
    const int row = ui.gridCurrentRow();
    if (!editor.cellEdit.open(editor.doc.table, row)) {
        ui.setControlText(Control::Label9, QStringLiteral("Blank row cant be edited"));
        return;
    }
    ui.setControlText(Control::Label9, QStringLiteral("Row No %1").arg(row));
    editColumnChosen(editor, editor.cellEdit.column());
}

} // namespace

void editColumnChosen(Editor& editor, int column)
{
    CellEdit& edit = editor.cellEdit;
    editor.ui().setControlText(Control::Edit5, edit.choose(editor.doc.table, column));
    editor.ui().setControlEnabled(Control::btnupdate, edit.columnWritable());
}

void updateEditedCell(Editor& editor)
{
    UiPort& ui = editor.ui();
    switch (editor.cellEdit.update(editor.doc.table, ui.gridCurrentRow(),
                                   ui.controlText(Control::Edit5))) {
    case CellEdit::Update::Written:
        ClearAllTags(editor.doc.table);
        editor.RedrawAll();
        break;
    case CellEdit::Update::RowChanged:
        ui.message(QStringLiteral("Error Row has been changed"));
        break;
    case CellEdit::Update::TypeColumn:
        ui.message(QStringLiteral("The type of an object cannot be changed"));
        break;
    case CellEdit::Update::EmptyState:
        ui.message(QStringLiteral("Col 1 must not be empty: write Y to show the object or N to "
                                  "hide it"));
        break;
    }
}

void registerTableCommands(CommandRegistry& commands)
{
    commands.add(QStringLiteral("mnuclearTags"), clearTags);
    commands.add(QStringLiteral("mnutagyelows"), tagSelectedRows);
    commands.add(QStringLiteral("mnudelyells"), deleteSelectedRows);
    commands.add(QStringLiteral("mnydeltagedobj"), deleteTaggedAndCompact);
    commands.add(QStringLiteral("mnuDelyelrows"), deleteTagged);
    commands.add(QStringLiteral("mnuhideyellow"), hideTagged);
    commands.add(QStringLiteral("DuplicateObject1"), duplicateTagged);
    commands.add(kShowObjectsInfo, toggleObjectsInfo);
    commands.add(QStringLiteral("mnuedtobjdata"), openEditPage);
    registerTablePopupCommands(commands);
}

} // namespace kel
