// Editing a circle or an arc by typed values: "Modify R, center" writes the
// three value boxes into the circle when "Mod Circle" is pressed, "Modify R,
// Ang1, Ang2" writes the attribute boxes into the arc at each click on the
// drawing until the user accepts it.

#include "constructions/circles/CircleSupport.h"
#include "constructions/circles/CircleTools.h"
#include "constructions/lines/LineSupport.h"

#include "figures/TableCells.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/core/ToolRegistry.h"
#include "interaction/menus/CommandRegistry.h"
#include "interaction/tools/FigureToolSupport.h"
#include "model/Controls.h"
#include "model/RecordKinds.h"

namespace kel {

namespace {

using namespace circletools;

constexpr int kEditRowSlot = 26;
constexpr int kCircleFallback = 100;

// The row the tool edits, or 0 when it is no longer in the table.
int editedRow(Editor& editor)
{
    const int r = toolSlot(editor, kEditRowSlot);
    return r >= 1 && r < editor.doc.table.rows() ? r : 0;
}

class ModifyCircleTool : public Tool {
public:
    void start(Editor& editor) override
    {
        editor.ui().message(
            QStringLiteral("Update circle Rad and center location, press Esc when done"));
        editor.ShowValuePage(QStringLiteral("Rad"), QStringLiteral("X"), QStringLiteral("Y"));
        const ObjectTable& table = editor.doc.table;
        const int r = pickedExists(editor) ? editor.tool.pickedRow : 0;
        toolSlot(editor, kEditRowSlot) = r;
        using namespace col::circle;
        const Control boxes[] = {Control::edtvar1, Control::edtvar2, Control::edtvar3};
        const int columns[] = {Radius, CentreX, CentreY};
        for (int i = 0; i < 3; ++i) {
            editor.ui().setControlText(
                boxes[i], QString::number(cells::Int(table, columns[i], r, kCircleFallback)));
        }
        editor.ui().setControlVisible(Control::btnmodcircle, true);
    }
};

// "Mod Circle": the boxes into the circle's radius and centre.
void modifyCircle(Editor& editor)
{
    if (editor.tool.mode != ToolMode::ModifyCircle)
        return;
    const int r = editedRow(editor);
    if (r == 0)
        return;
    auto box = [&](Control c) { return controlNumber(editor, c).value_or(kCircleFallback); };
    const int radius = box(Control::edtvar1);
    const int x = box(Control::edtvar2);
    const int y = box(Control::edtvar3);
    ObjectTable& table = editor.doc.table;
    {
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::circle::Radius, r, radius);
        table.setCell(col::circle::CentreX, r, x);
        table.setCell(col::circle::CentreY, r, y);
    }
    editor.RedrawAll();
}

class ModifyArcTool : public Tool {
public:
    void start(Editor& editor) override
    {
        const ArcOfRow arc = pickedArc(editor, kCircleFallback);
        toolSlot(editor, kEditRowSlot) = pickedExists(editor) ? editor.tool.pickedRow : 0;
        editor.attributes.setBoxText(controls::kRadius, QString::number(arc.radius));
        editor.attributes.setBoxText(controls::kAngle1, QString::number(arc.start));
        editor.attributes.setBoxText(controls::kAngle2, QString::number(arc.end));
        editor.ui().message(QStringLiteral(
            "Edit the new values for R ang1, ang2 and then just click anywhere on image"));
    }

    void click(Editor& editor, QPoint) override
    {
        const int r = editedRow(editor);
        if (r == 0) {
            editor.CancelTool();
            return;
        }
        const AttributePanel& panel = editor.doc.panel;
        ObjectTable& table = editor.doc.table;
        {
            ObjectTable::BulkUpdate bulk(table);
            table.setCell(col::arc::Start, r, panel.angle1.value);
            table.setCell(col::arc::End, r, panel.angle2.value);
            table.setCell(col::arc::Radius, r, panel.radius.value);
        }
        editor.RedrawAll();
        if (editor.ui().askYesNo(QStringLiteral("Is this arc now correct ?")))
            editor.CancelTool();
    }
};

} // namespace

void registerCircleEditTools(Registrations& registrations)
{
    registrations.tools.add(std::make_shared<ModifyCircleTool>(), {ToolMode::ModifyCircle});
    registrations.tools.add(std::make_shared<ModifyArcTool>(), {ToolMode::ModifyArc});
    registrations.commands.add(QStringLiteral("btnmodcircle"), modifyCircle);
}

} // namespace kel
