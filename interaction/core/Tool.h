#pragma once
// A tool: what a tool mode does with the pointer, the keys and the wheel.
// One small class per tool or family, registered by mode; the pipelines of
// the Editor call the hooks and hold no behaviour of their own for a mode.

#include "interaction/core/KeyHandler.h"

#include <QPoint>

namespace kel {

class Editor;

class Tool {
public:
    virtual ~Tool() = default;

    // The command that starts the tool: its instruction, parameters, page.
    // The mode is already set and the click counter and vertex list are empty.
    virtual void start(Editor&) {}
    // The move branch: previews on the overlay, live values in panel 3. It
    // must give the same result when run twice at one position.
    virtual void move(Editor&, QPoint) {}
    // The click branch (left or middle button): counts the click and, on the
    // last one, writes rows.
    virtual void click(Editor&, QPoint) {}
    // F10. By default a click at the pointer; open-ended tools finish here.
    virtual void finish(Editor& editor);
    // Backspace. By default one click is taken back, and the vertex list
    // goes with the last one. The move branch re-runs afterwards.
    virtual void backspace(Editor& editor);
    // A key press the window previews while the tool runs, before the keys
    // every tool shares; true when the tool consumed it.
    virtual bool key(Editor&, const KeyPress&) { return false; }
    // Wheel notches (positive upwards); the move branch re-runs afterwards.
    virtual void wheel(Editor&, int) {}
    // The tool is being cancelled: what it must put back before the shared
    // clean-up (tags, pen, redraw) runs.
    virtual void cancel(Editor&) {}
    // True when the marks of earlier moves stay on the surface.
    virtual bool keepsPreviewOnMove() const { return false; }
    // True when a click on a row of the object table leaves the tool running.
    virtual bool keepsRunningOnGridClick() const { return false; }
};

} // namespace kel
