// The Editor's tool machinery: starting tools, the pointer pipelines, the
// synthetic clicks of Enter and F10, Backspace, the wheel and pointer warps.
// Every event runs as a transaction over the table and the tool state.

#include "interaction/ActionFailed.h"
#include "interaction/Editor.h"
#include "interaction/WheelRules.h"

namespace kel {

namespace {
constexpr int kIntersectionMarksMode = 49; // marks stay on the surface
constexpr int kPolylineMode = 11;
constexpr int kGraphMode = 87;
} // namespace

bool Editor::runEvent(const std::function<void()>& action, bool mayAsk)
{
    const ObjectTable::Snapshot table = doc.table.snapshot();
    const ToolState toolBefore = tool;
    const CurrentAttributes attributes = doc.current;
    try {
        action();
        return true;
    } catch (const ActionFailed& failure) {
        doc.table.restore(table);
        tool = toolBefore;
        doc.current = attributes;
        RedrawAll();
        // Move and wheel handlers never open a box: the status bar says it.
        if (mayAsk)
            ui().message(failure.message());
        else
            ui().setStatus(3, failure.message());
        return false;
    }
}

void Editor::startTool(int mode)
{
    if (!tool.idle())
        CancelTool();
    tool.construction.clicks() = 0;
    tool.vertices.clear();
    tool.mode = static_cast<std::uint8_t>(mode);
    if (Tool* handler = tools.find(mode))
        runEvent([&] { handler->start(*this); }, true);
}

void Editor::pointerMoved(QPoint pos)
{
    if (!tool.idle() && !ui().surfaceHasFocus())
        ui().focusSurface();
    if (!tool.idle() && tool.mode != kIntersectionMarksMode)
        clearPreview();
    tool.mouse = pos;
    ui().setStatus(0, QStringLiteral("X=%1 Y=%2").arg(pos.x()).arg(pos.y()));
    const std::optional<Colour> pixel = renderer.GetBitmapPixel(pos.x(), pos.y());
    ui().setStatus(1, pixel ? colourHex(*pixel) : QString());
    if (tool.idle())
        return;
    if (Tool* handler = tools.find(tool.mode))
        runEvent([&] { handler->move(*this, pos); }, false);
    reloadPen();
}

void Editor::pointerDown(Qt::MouseButton button, QPoint pos)
{
    // The right button has no function on the drawing surface.
    if (tool.idle() || button == Qt::RightButton)
        return;
    // A click always acts on the state its own position gives, even without
    // a move before it.
    pointerMoved(pos);
    if (tool.idle())
        return;
    if (Tool* handler = tools.find(tool.mode))
        runEvent([&] { handler->click(*this, pos); }, true);
}

void Editor::clickAtPointer()
{
    pointerDown(Qt::LeftButton, tool.mouse);
}

void Editor::finishTool()
{
    if (tool.idle())
        return;
    Tool* handler = tools.find(tool.mode);
    bool finished = false;
    if (handler)
        runEvent([&] { finished = handler->finish(*this); }, true);
    if (!finished)
        clickAtPointer();
}

void Editor::takeBackClick()
{
    Tool* handler = tools.find(tool.mode);
    bool handled = false;
    if (handler)
        runEvent([&] { handled = handler->backspace(*this); }, false);
    if (!handled) {
        int& clicks = tool.construction.clicks();
        if (tool.mode != 0 && tool.mode != kPolylineMode && clicks > 0) {
            --clicks;
            if (tool.mode == kGraphMode && clicks > 0 && !tool.vertices.empty())
                tool.vertices.pop_back();
            if (clicks == 0)
                tool.vertices.clear();
        } else if (tool.mode == kPolylineMode && !tool.vertices.empty()) {
            tool.vertices.pop_back();
            if (tool.vertices.empty())
                clicks = 0;
        }
    }
    pointerMoved(tool.mouse);
}

void Editor::wheel(int notches)
{
    if (notches == 0)
        return;
    runEvent(
        [&] {
            if (Tool* handler = tools.find(tool.mode))
                handler->wheel(*this, notches);
            else
                applyWheelRule(*this, notches);
        },
        false);
    pointerMoved(tool.mouse);
}

void Editor::warpPointer(QPoint pos)
{
    ui().warpPointer(pos);
    pointerMoved(pos);
}

void Editor::reloadPen()
{
    bool ok = false;
    const int width = doc.panel.penWidth.text.toInt(&ok);
    doc.current.penWidth = ok ? width : 1;
    doc.current.penColour = doc.panel.penSwatch;
}

} // namespace kel
