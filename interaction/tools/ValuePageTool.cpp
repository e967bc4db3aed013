#include "interaction/tools/ValuePageTool.h"

#include "interaction/core/Editor.h"

namespace kel {

void ValuePageTool::begin(Editor& editor)
{
    editor.ShowValuePage(captions_.first, captions_.second, captions_.third);
}

} // namespace kel
