#include "interaction/commands/HistoryCommands.h"

#include "interaction/core/Editor.h"

namespace kel {

namespace {

bool step(Editor& editor, bool forward)
{
    if (!editor.tool.idle())
        editor.CancelTool();
    TableHistory& history = editor.doc.history;
    if (!(forward ? history.redo() : history.undo())) {
        editor.ui().setStatus(3, forward ? QStringLiteral("Nothing to redo")
                                         : QStringLiteral("Nothing to undo"));
        return false;
    }
    editor.RedrawAll();
    editor.ui().repaintGrid();
    return true;
}

} // namespace

bool undoStep(Editor& editor)
{
    return step(editor, false);
}

bool redoStep(Editor& editor)
{
    return step(editor, true);
}

void registerHistoryCommands(CommandRegistry& commands)
{
    commands.add(QStringLiteral("mnuUndo"), [](Editor& editor) { undoStep(editor); });
    commands.add(QStringLiteral("mnuRedo"), [](Editor& editor) { redoStep(editor); });
}

} // namespace kel
