#pragma once
// The keys that steer tools: Esc, Enter, F4, F10, Backspace and the arrows.
// The window hands every key press of its widgets here once; the running
// tool sees it first, and what returns true is consumed.

#include <QChar>

namespace kel {

class Editor;

enum class KeyTarget { Surface, Grid, Other };

struct KeyPress {
    int key = 0; // Qt::Key
    QChar text;  // the character typed, if any
    KeyTarget target = KeyTarget::Other;
};

// Return and the keypad's Enter.
bool isEnterKey(int key);

bool handleKeyPress(Editor& editor, const KeyPress& press);

} // namespace kel
