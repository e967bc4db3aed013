#pragma once
// Edit > Undo and Edit > Redo: every change of the drawing is one step of
// the table's history (recorded by the editor at the end of each event).

namespace kel {

class CommandRegistry;
class Editor;

void registerHistoryCommands(CommandRegistry& commands);

// Takes back / puts again one step; a running tool ends first. False when
// there was no step.
bool undoStep(Editor& editor);
bool redoStep(Editor& editor);

} // namespace kel
