#pragma once
// The Qt font of a canvas font, as the raster canvas sizes it: points at 96
// dots per inch, the default height for size 0, two-colour glyphs. Vector
// canvases use it so their text lines up with the screen's.

#include "model/Canvas.h"

#include <QFont>

namespace kel {

QFont QtFontOf(const CanvasFont& font);

} // namespace kel
