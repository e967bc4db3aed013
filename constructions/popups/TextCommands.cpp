// The text popup's items: the text, its angle and its font attributes from
// page T2 into the picked text record, and its text back into the text box.

#include "constructions/popups/PopupCommands.h"

#include "figures/ObjectStyles.h"
#include "interaction/core/AttributeControls.h"
#include "interaction/core/Editor.h"
#include "interaction/menus/CommandRegistry.h"

namespace kel {

namespace {

using popups::pickedRowOf;

std::optional<int> pickedText(const Editor& editor)
{
    return pickedRowOf(editor, {RecordKind::Text});
}

void modifyText(Editor& editor)
{
    if (const std::optional<int> row = pickedText(editor))
        editor.doc.table.setCell(col::text::Text, *row, editor.doc.panel.text);
    editor.RedrawAll();
}

void getText(Editor& editor)
{
    if (const std::optional<int> row = pickedText(editor))
        editor.attributes.setBoxText(controls::kText, editor.doc.table.cell(col::text::Text, *row));
}

void modifyAngle(Editor& editor)
{
    if (const std::optional<int> row = pickedText(editor))
        editor.doc.table.setCell(col::text::Angle, *row, editor.doc.panel.textAngle.text);
    editor.RedrawAll();
}

void modifyAttributes(Editor& editor)
{
    if (const std::optional<int> row = pickedText(editor)) {
        const AttributePanel& panel = editor.doc.panel;
        ObjectTable& table = editor.doc.table;
        ObjectTable::BulkUpdate bulk(table);
        table.setCell(col::text::Size, *row, panel.fontSize.value);
        table.setCell(col::text::Colour, *row, colourHex(panel.fontColour));
        table.setCell(col::text::Style, *row, TextStyleCode(panel.bold, panel.italic));
        table.setCell(col::text::Font, *row, panel.fontName);
        table.setCell(col::text::Angle, *row, panel.textAngle.text);
    }
    editor.RedrawAll();
}

} // namespace

void registerTextCommands(Registrations& registrations)
{
    CommandRegistry& commands = registrations.commands;
    commands.add(QStringLiteral("popTextModify"), modifyText);
    commands.add(QStringLiteral("popTextGet"), getText);
    commands.add(QStringLiteral("popTextModifyAngle"), modifyAngle);
    commands.add(QStringLiteral("popTextModifyAttribs"), modifyAttributes);
}

} // namespace kel
