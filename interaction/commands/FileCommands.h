#pragma once
// The commands that move drawings in and out: File > Open, SaveAs, Save and
// Append File, EditObj > Tagged Objects > Save as KEL, and Actions > Paste
// from Clipboard. Appended and pasted rows arrive tagged, with the placing
// mode waiting for the click that places them.

#include <QString>

#include <optional>

namespace kel {

class CommandRegistry;
class Editor;

void registerFileCommands(CommandRegistry& commands);

// File > Open: asks for a file and replaces the drawing with it.
void openDrawing(Editor& editor);
// Opens a file without asking (the start-up argument, the script command
// "open"). False when it could not be read; the drawing and the current file
// name then stay as they were.
bool directOpen(Editor& editor, const QString& path);

// File > SaveAs: asks for a name, saves every row in use and makes the name
// the current file name.
void saveDrawingAs(Editor& editor);
// File > Save: to the current file name, or as SaveAs when there is none.
void saveDrawing(Editor& editor);

// File > Append File: adds the rows of a file behind the drawing, tagged, and
// waits for their placement. An empty drawing without a file opens instead.
void appendFile(Editor& editor);

// EditObj > Tagged Objects > Save as KEL: asks for a name and saves the tagged
// visible rows; the current file name and the tags stay.
void saveTaggedAsKel(Editor& editor);
// The same without the dialog, for callers that already have the name.
bool saveTaggedKel(Editor& editor, const QString& path);
// The KEL save dialog alone: the chosen name with ".KEL" added when it has no
// extension, or nothing when cancelled.
std::optional<QString> askKelSaveName(Editor& editor);

// Actions > Paste from Clipboard: adds the drawing data on the clipboard
// behind the drawing, tagged, and waits for their placement.
void pasteFromClipboard(Editor& editor);

} // namespace kel
