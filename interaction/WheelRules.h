#pragma once
// What a wheel notch changes in the tools that have no wheel hook of their
// own: radius, angles, font size, counts and sizes, each with its limits.

namespace kel {

class Editor;

// Applies `notches` (positive upwards), one notch at a time.
void applyWheelRule(Editor& editor, int notches);

} // namespace kel
