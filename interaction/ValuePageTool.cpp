#include "interaction/ValuePageTool.h"

#include "interaction/Editor.h"

namespace kel {

void ValuePageTool::begin(Editor& editor)
{
    editor.ShowValuePage(captions_.first, captions_.second, captions_.third);
}

} // namespace kel
