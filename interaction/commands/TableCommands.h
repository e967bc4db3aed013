#pragma once
// The commands on the object table: the Actions items on tags and selected
// rows, EditObj > "Tagged Objects", "Show Objects Info", page "Edit", the
// grid's popup and the delete, hide and draw-last items of the object popups.

namespace kel {

class CommandRegistry;
class Editor;

void registerTableCommands(CommandRegistry& commands);
// The popup items, in TablePopupCommands.cpp.
void registerTablePopupCommands(CommandRegistry& commands);

// Page "Edit": the column chooser changed to `column` (1 to 10).
void editColumnChosen(Editor& editor, int column);
// Page "Edit": "Update".
void updateEditedCell(Editor& editor);

} // namespace kel
