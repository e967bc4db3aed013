#pragma once
// A tool: what a tool mode does with the pointer, the keys and the wheel.
// One small class per tool or family, registered by mode number; the
// pipelines of the Editor call the hooks.

#include "interaction/WheelRules.h"

#include <QPoint>
#include <QString>

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
    // F10. Open-ended tools finish here when they have enough clicks;
    // returns false for the default, a click at the pointer.
    virtual bool finish(Editor&) { return false; }
    // Backspace; returns false for the default (one click taken back).
    virtual bool backspace(Editor&) { return false; }
    // A typed character while the drawing surface has the focus; true when
    // the tool consumed it.
    virtual bool typed(Editor&, QChar) { return false; }
    // Wheel notches (positive upwards); the move branch re-runs afterwards.
    // By default the wheel changes what the wheel table gives for the mode.
    virtual void wheel(Editor& editor, int notches) { applyWheelRule(editor, notches); }
};

} // namespace kel
