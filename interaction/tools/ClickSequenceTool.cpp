#include "interaction/tools/ClickSequenceTool.h"

#include "interaction/core/Editor.h"

namespace kel {

void ClickSequenceTool::start(Editor& editor)
{
    if (!instruction_.isEmpty())
        editor.ui().message(instruction_);
    begin(editor);
}

void ClickSequenceTool::move(Editor& editor, QPoint pos)
{
    track(editor, pos);
    preview(editor, pos);
}

void ClickSequenceTool::click(Editor& editor, QPoint pos)
{
    track(editor, pos);
    int& clicks = editor.tool.construction.clicks();
    ++clicks;
    const bool last = clicks >= clicks_;
    if (!(last ? complete(editor, pos) : takeClick(editor, clicks))) {
        --clicks;
        return;
    }
    if (!last)
        return;
    if (after_ == AfterLast::Repeats) {
        clicks = 0;
        editor.RedrawAll();
    } else {
        editor.CancelTool();
    }
}

} // namespace kel
