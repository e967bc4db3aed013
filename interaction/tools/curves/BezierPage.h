#pragma once
// The Bezier page: four read-only boxes, one per stored point of the curve
// whose curvature is being edited (first point, the two inner points, last
// point). An arrow key in box i moves point i by one pixel, writes the row
// back at once and redraws. The window calls these from its key and focus
// handling of the boxes.

#include "model/Controls.h"

namespace kel {

class Editor;

// 0..3 for the four point boxes, -1 for any other control.
int bezierBoxIndex(Control control);

// A point box got the keyboard focus: outside the curvature tool the focus
// goes back to the drawing surface with a message.
void bezierBoxEntered(Editor& editor, int box);

// A key pressed in point box `box`; true when it moved the point.
bool bezierBoxKey(Editor& editor, int box, int qtKey);

} // namespace kel
