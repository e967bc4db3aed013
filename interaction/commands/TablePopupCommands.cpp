// The grid's popup PopupGD (on the current row) and the delete, hide and
// draw-last items of the object popups (on the picked row).

#include "interaction/commands/FrameCommands.h"
#include "interaction/commands/TableCommands.h"
#include "interaction/core/Editor.h"
#include "model/RowRoutines.h"
#include "model/TableOperations.h"

namespace kel {

namespace {

const QString kVisible = QStringLiteral("Y");
const QString kHidden = QStringLiteral("N");

// PopupGD acts on the grid's current row, when it is in use.
void onCurrentRow(CommandRegistry& commands, const char* component,
                  void (*action)(Editor&, int row))
{
    commands.add(QString::fromLatin1(component), [action](Editor& editor) {
        const int row = editor.ui().gridCurrentRow();
        if (editor.doc.table.inUse(row))
            action(editor, row);
    });
}

// The object popups act on the picked row, when it is in use.
void onPickedRow(CommandRegistry& commands, const char* component,
                 std::function<void(Editor&, int row)> action)
{
    commands.add(QString::fromLatin1(component), [action](Editor& editor) {
        const int row = editor.tool.pickedRow;
        if (editor.doc.table.inUse(row))
            action(editor, row);
    });
}

void setStateAndRefresh(Editor& editor, int row, const QString& state)
{
    editor.doc.table.setCell(kStateColumn, row, state);
    refresh(editor);
}

void moveToAnotherRow(Editor& editor, int row)
{
    const std::optional<QString> answer =
        editor.ui().askText(QStringLiteral("Object will be moved to new row number "),
                            QStringLiteral("Enter row"), QStringLiteral("1"));
    if (!answer)
        return;
    ObjectTable& table = editor.doc.table;
    const std::optional<int> target = TargetRow(*answer, table.lastRowInUse(), row);
    if (!target) {
        editor.ui().message(QStringLiteral("Invalid row number"));
        return;
    }
    SwapRows(table, row, *target);
    editor.CancelTool();
}

void registerGridPopup(CommandRegistry& commands)
{
    onCurrentRow(commands, "popGDHideObject",
                 [](Editor& editor, int row) { setStateAndRefresh(editor, row, kHidden); });
    onCurrentRow(commands, "popGDShowObject",
                 [](Editor& editor, int row) { setStateAndRefresh(editor, row, kVisible); });
    onCurrentRow(commands, "popGDDeleteObject", [](Editor& editor, int row) {
        DeleteRow(editor.doc.table, row);
        refresh(editor);
    });
    onCurrentRow(commands, "popGDDrawLast", [](Editor& editor, int row) {
        MoveRowToEnd(editor.doc, row);
        editor.CancelTool();
    });
    onCurrentRow(commands, "popGDSizeOfObject", [](Editor& editor, int row) {
        editor.ui().message(
            QStringLiteral("Object size=%1 Bytes").arg(ObjectDataSize(editor.doc.table, row)));
    });
    onCurrentRow(commands, "popGDMoveToRow", moveToAnotherRow);
}

void redrawAndRepaintGrid(Editor& editor)
{
    editor.RedrawAll();
    editor.ui().repaintGrid();
}

auto deleteWithMessage(const char* prefix)
{
    return [prefix](Editor& editor, int row) {
        DeleteRow(editor.doc.table, row);
        redrawAndRepaintGrid(editor);
        editor.ui().message(QString::fromLatin1(prefix) +
                            QStringLiteral("%1 was deleted").arg(row));
    };
}

void deleteSilently(Editor& editor, int row)
{
    DeleteRow(editor.doc.table, row);
    redrawAndRepaintGrid(editor);
}

void hideSilently(Editor& editor, int row)
{
    editor.doc.table.setCell(kStateColumn, row, kHidden);
    redrawAndRepaintGrid(editor);
}

auto hideWithMessage(const char* prefix)
{
    return [prefix](Editor& editor, int row) {
        hideSilently(editor, row);
        editor.ui().message(QString::fromLatin1(prefix) +
                            QStringLiteral("%1 is now hidden").arg(row));
    };
}

void registerObjectPopups(CommandRegistry& commands)
{
    for (const char* item : {"popLineDelete", "popArcDelete"})
        onPickedRow(commands, item, deleteWithMessage("Object in line "));
    onPickedRow(commands, "popPolynomialDelete", deleteWithMessage("Polynomial in line "));
    onPickedRow(commands, "popEMFDelete", deleteWithMessage("EMF Object in line "));
    for (const char* item : {"popPointDelete", "popCircleDelete", "popPolygonDelete"})
        onPickedRow(commands, item, deleteSilently);
    // These "Delete" items only hide the object; its row stays.
    for (const char* item :
         {"popTextDelete", "popGridDelete", "popFillDelete", "popCurveDelete", "popPolyLineDelete",
          "popOtherDelete", "popArcHide", "popPolynomialHide", "popEMFHide"})
        onPickedRow(commands, item, hideSilently);
    for (const char* item : {"popLineHide", "popPointHide", "popTextHide", "popGridHide",
                             "popCurveHide", "popPolyLineHide", "popOtherHide"})
        onPickedRow(commands, item, hideWithMessage("Object at row "));
    onPickedRow(commands, "popCircleHide", hideWithMessage("Circle at row "));
    onPickedRow(commands, "popPolygonHide", [](Editor& editor, int row) {
        editor.doc.table.setCell(kStateColumn, row, kHidden);
        editor.CancelTool();
    });
    // Draw Last moves the row's cells as they are: rebuilding the object
    // from its read values would lose what the readers cannot take.
    onPickedRow(commands, "popPointDrawLast", [](Editor& editor, int row) {
        MoveRowToEnd(editor.doc, row);
        editor.CancelTool();
    });
    onPickedRow(commands, "popFillDrawLast", [](Editor& editor, int row) {
        MoveRowToEnd(editor.doc, row);
        editor.RedrawAll();
    });
}

} // namespace

void registerTablePopupCommands(CommandRegistry& commands)
{
    registerGridPopup(commands);
    registerObjectPopups(commands);
}

} // namespace kel
