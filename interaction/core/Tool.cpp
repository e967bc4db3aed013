#include "interaction/core/Tool.h"

#include "interaction/core/Editor.h"

namespace kel {

void Tool::finish(Editor& editor)
{
    editor.clickAtPointer();
}

void Tool::backspace(Editor& editor)
{
    int& clicks = editor.tool.construction.clicks();
    if (clicks <= 0)
        return;
    --clicks;
    if (clicks == 0)
        editor.tool.vertices.clear();
}

} // namespace kel
