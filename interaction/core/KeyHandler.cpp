#include "interaction/core/KeyHandler.h"

#include "figures/NearestKeyPoint.h"
#include "interaction/core/Editor.h"
#include "interaction/core/Tool.h"
#include "model/Controls.h"

namespace kel {

namespace {

constexpr char kEscapeCode = 27;
constexpr char kEnterCode = 13;

bool isSurfaceKey(int key)
{
    switch (key) {
    case Qt::Key_F4:
    case Qt::Key_F10:
    case Qt::Key_Backspace:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        return true;
    default:
        return false;
    }
}

// F4, Backspace, the arrows and F10 on the drawing surface or the grid.
void keyDown(Editor& editor, int key)
{
    ToolState& tool = editor.tool;
    switch (key) {
    case Qt::Key_F4: {
        const std::optional<KeyPoint> hit =
            NearestKeyPoint(editor.doc.table, tool.mouse, tool.ignoreZeroDistanceEnds != 0);
        if (hit)
            editor.warpPointer(hit->point);
        break;
    }
    case Qt::Key_Backspace:
        editor.takeBackClick();
        break;
    case Qt::Key_Left:
        editor.warpPointer(tool.mouse + QPoint(-1, 0));
        break;
    case Qt::Key_Right:
        editor.warpPointer(tool.mouse + QPoint(1, 0));
        break;
    case Qt::Key_Up:
        editor.warpPointer(tool.mouse + QPoint(0, -1));
        break;
    case Qt::Key_Down:
        editor.warpPointer(tool.mouse + QPoint(0, 1));
        break;
    case Qt::Key_F10:
        editor.finishTool();
        break;
    default:
        break;
    }
}

} // namespace

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool handleKeyPress(Editor& editor, const KeyPress& press)
{
    // The running tool sees the key first: keys of its own (typed text, a
    // repeated Enter it ignores) go no further.
    if (Tool* running = editor.runningTool(); running && running->key(editor, press))
        return true;
    if (press.target != KeyTarget::Other && isSurfaceKey(press.key)) {
        if (press.target == KeyTarget::Grid)
            editor.ui().focusSurface();
        keyDown(editor, press.key);
        return true;
    }
    if (press.key == Qt::Key_Escape) {
        editor.tool.previousKey = kEscapeCode;
        editor.CancelTool();
        return true;
    }
    if (isEnterKey(press.key)) {
        editor.tool.previousKey = kEnterCode;
        // Enter is one click at the pointer, on the surface only; elsewhere it
        // brings the focus to the surface first.
        if (press.target == KeyTarget::Surface)
            editor.clickAtPointer();
        else
            editor.ui().focusSurface();
        return true;
    }
    if (!press.text.isNull() && press.text.unicode() < 0x80)
        editor.tool.previousKey = static_cast<char>(press.text.unicode());
    return false;
}

} // namespace kel
