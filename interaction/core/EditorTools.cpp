// The Editor's tool machinery: starting tools, the pointer pipelines, the
// synthetic clicks of Enter and F10, Backspace, the wheel and pointer warps.
// Every event runs as a transaction over the table and the tool state.

#include "interaction/core/ActionFailed.h"
#include "interaction/core/Editor.h"
#include "model/AttributeStrings.h"

namespace kel {

bool Editor::runEvent(const std::function<void()>& action, bool mayAsk)
{
    const ObjectTable::Snapshot table = doc.table.snapshot();
    const ToolState toolBefore = tool;
    const CurrentAttributes attributes = doc.current;
    struct Depth {
        explicit Depth(int& depth) : depth_(depth) { ++depth_; }
        ~Depth() { --depth_; }
        int& depth_;
    } depth(eventDepth_);
    bool done = true;
    try {
        action();
    } catch (const ActionFailed& failure) {
        done = false;
        doc.table.restore(table);
        tool = toolBefore;
        doc.current = attributes;
        RedrawAll();
        // Move and wheel handlers never open a box: the status bar says it.
        if (mayAsk)
            ui().message(failure.message());
        else
            ui().setStatus(3, failure.message());
    }
    if (eventDepth_ == 1)
        eventFinished();
    return done;
}

void Editor::startTool(ToolMode mode)
{
    if (!tool.idle())
        CancelTool();
    tool.construction.clicks() = 0;
    tool.vertices.clear();
    tool.mode = mode;
    if (Tool* handler = tools.find(mode))
        runEvent([&] { handler->start(*this); }, true);
}

void Editor::pointerMoved(QPoint pos)
{
    if (!tool.idle() && !ui().surfaceHasFocus())
        ui().focusSurface();
    const Tool* before = runningTool();
    if (!tool.idle() && !(before && before->keepsPreviewOnMove()))
        clearPreview();
    tool.mouse = pos;
    ui().setStatus(0, QStringLiteral("X=%1 Y=%2").arg(pos.x()).arg(pos.y()));
    const std::optional<Colour> pixel = renderer.GetBitmapPixel(pos.x(), pos.y());
    ui().setStatus(1, pixel ? colourHex(*pixel) : QString());
    if (tool.idle())
        return;
    if (Tool* running = runningTool())
        runEvent([&] { running->move(*this, pos); }, false);
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
    if (Tool* running = runningTool())
        runEvent([&] { running->click(*this, pos); }, true);
}

void Editor::clickAtPointer()
{
    pointerDown(Qt::LeftButton, tool.mouse);
}

void Editor::finishTool()
{
    if (Tool* running = runningTool())
        runEvent([&] { running->finish(*this); }, true);
}

void Editor::takeBackClick()
{
    if (Tool* running = runningTool())
        runEvent([&] { running->backspace(*this); }, false);
    pointerMoved(tool.mouse);
}

void Editor::wheel(int notches)
{
    if (notches == 0)
        return;
    if (Tool* running = runningTool())
        runEvent([&] { running->wheel(*this, notches); }, false);
    pointerMoved(tool.mouse);
}

void Editor::warpPointer(QPoint pos)
{
    ui().warpPointer(pos);
    pointerMoved(pos);
}

void Editor::reloadPen()
{
    ReloadPenFromPanel(doc);
}

} // namespace kel
