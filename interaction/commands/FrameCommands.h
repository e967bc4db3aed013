#pragma once
// The commands of the window frame: New Drawing, Exit, Refresh, Grid Dots,
// Enhance Image, Change Cursor, About and Info.

namespace kel {

class CommandRegistry;
class Editor;

void registerFrameCommands(CommandRegistry& commands);

void newDrawing(Editor& editor);
// Asks before unsaved changes go when the program ends; true to end.
bool confirmExit(Editor& editor);
void refresh(Editor& editor);
void toggleGridDots(Editor& editor);
void enhanceImage(Editor& editor);
void changeCursor(Editor& editor);
void showAbout(Editor& editor);
void showInfo(Editor& editor);

} // namespace kel
