#pragma once
// The keys that steer tools: Esc, Enter, F4, F10, Backspace, the arrows and,
// in the text tool, typed characters. The window hands every key press of
// its widgets here once; what returns true is consumed.

#include <QChar>

namespace kel {

class Editor;

enum class KeyTarget { Surface, Grid, Other };

struct KeyPress {
    int key = 0;    // Qt::Key
    QChar text;     // the character typed, if any
    KeyTarget target = KeyTarget::Other;
};

bool handleKeyPress(Editor& editor, const KeyPress& press);

} // namespace kel
