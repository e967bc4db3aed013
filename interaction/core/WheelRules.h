#pragma once
// The wheel's building blocks: notches taken one at a time, the page
// controls a wheel rule reads and writes, and the rules of tools that live
// in other folders (the crop-area rotation and zoom, the triangle values, the
// placed picture's size), kept here for those tools' wheel hooks to call.

#include "model/Controls.h"

#include <QString>

#include <functional>

namespace kel {

class Editor;
class UiPort;

// Runs `step` once per notch, with +1 for a notch up and -1 for a notch down;
// at most 1000 notches count.
void forEachNotch(int notches, const std::function<void(int)>& step);

// The integer in a page control, or `fallback` when its text is not one.
int controlValue(const UiPort& ui, Control name, int fallback);
void showControlValue(UiPort& ui, Control name, int value);

// The crop area's rotation angle (count parameter): past -359 or 359 it
// starts again at 0; shown in edtvar1.
void wheelCropRotation(Editor& editor, int notches);
// The crop area's zoom factor (count parameter): never below 3; shown in
// edtvar1.
void wheelCropZoom(Editor& editor, int notches);
// The triangle value whose radio button is checked (RBT1, RBT2, else the
// third box; 10 where a box holds no number): outside 0..998 it drops to 0.
void wheelTriangleValue(Editor& editor, int notches);
// A placed picture's size parameter: up always, down only while above 5.
void wheelPictureSize(Editor& editor, int notches);

} // namespace kel
