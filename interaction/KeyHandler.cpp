#include "interaction/KeyHandler.h"

#include "figures/NearestKeyPoint.h"
#include "interaction/Editor.h"
#include "interaction/Tool.h"
#include "model/Controls.h"

namespace kel {

namespace {

constexpr int kTextMode = 6;
constexpr Control kTextBox = Control::Edit3;

// F4, Backspace, the arrows and F10 on the drawing surface or the grid.
bool keyDown(Editor& editor, int key)
{
    ToolState& tool = editor.tool;
    switch (key) {
    case Qt::Key_F4: {
        const std::optional<KeyPoint> hit =
            NearestKeyPoint(editor.doc.table, tool.mouse, tool.ignoreZeroDistanceEnds != 0);
        if (hit)
            editor.warpPointer(hit->point);
        return true;
    }
    case Qt::Key_Backspace:
        editor.takeBackClick();
        return true;
    case Qt::Key_Left:
        editor.warpPointer(tool.mouse + QPoint(-1, 0));
        return true;
    case Qt::Key_Right:
        editor.warpPointer(tool.mouse + QPoint(1, 0));
        return true;
    case Qt::Key_Up:
        editor.warpPointer(tool.mouse + QPoint(0, -1));
        return true;
    case Qt::Key_Down:
        editor.warpPointer(tool.mouse + QPoint(0, 1));
        return true;
    case Qt::Key_F10:
        editor.finishTool();
        return true;
    default:
        return false;
    }
}

// The text tool takes printable characters into the text box; Backspace
// takes the last one back. Control characters would break a KEL line.
bool typeIntoText(Editor& editor, const KeyPress& press)
{
    UiPort& ui = editor.ui();
    QString text = ui.controlText(kTextBox);
    if (press.key == Qt::Key_Backspace)
        text.chop(1);
    else if (press.text.isPrint())
        text += press.text;
    else
        return false;
    ui.setControlText(kTextBox, text);
    editor.doc.panel.text = text;
    editor.pointerMoved(editor.tool.mouse);
    return true;
}

} // namespace

bool handleKeyPress(Editor& editor, const KeyPress& press)
{
    UiPort& ui = editor.ui();
    const bool onSurfaceOrGrid = press.target != KeyTarget::Other;
    if (press.target == KeyTarget::Grid && press.key != Qt::Key_Escape &&
        (press.key == Qt::Key_F4 || press.key == Qt::Key_F10 || press.key == Qt::Key_Backspace ||
         press.key == Qt::Key_Left || press.key == Qt::Key_Right || press.key == Qt::Key_Up ||
         press.key == Qt::Key_Down))
        ui.focusSurface();
    if (onSurfaceOrGrid && press.key != Qt::Key_Backspace && keyDown(editor, press.key))
        return true;

    if (press.key == Qt::Key_Escape) {
        editor.tool.previousKey = 27;
        editor.CancelTool();
        return true;
    }
    if (press.key == Qt::Key_Return || press.key == Qt::Key_Enter) {
        editor.tool.previousKey = 13;
        // Enter is one click at the pointer, on the surface only; elsewhere it
        // brings the focus to the surface first.
        if (press.target == KeyTarget::Surface)
            editor.clickAtPointer();
        else
            ui.focusSurface();
        return true;
    }
    if (press.target == KeyTarget::Surface && editor.tool.mode == kTextMode &&
        typeIntoText(editor, press)) {
        if (press.key == Qt::Key_Backspace)
            editor.takeBackClick();
        return true;
    }
    if (onSurfaceOrGrid && press.key == Qt::Key_Backspace)
        return keyDown(editor, press.key);
    if (!press.text.isNull() && press.text.unicode() < 0x80)
        editor.tool.previousKey = static_cast<char>(press.text.unicode());
    return false;
}

} // namespace kel
