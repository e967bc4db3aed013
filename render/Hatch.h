#pragma once
// The six hatch patterns: 8 x 8 pixel tiles anchored at the canvas origin,
// lines in the brush colour and nothing between them, so whatever lies below
// shows through. Shapes and flood fills use the same tiles.

#include "model/Canvas.h"
#include "model/Colour.h"

#include <QBrush>
#include <QRgb>

namespace kel {

bool IsHatch(BrushStyle style);

// Whether the hatch of `style` covers the pixel (x, y).
bool HatchCovers(BrushStyle style, int x, int y);

// The tile's row for image row y: bit c set where it covers the pixels x
// with x & 7 == c.
unsigned HatchRowBits(BrushStyle style, int y);

// Paints the pixels x1..x2 (x1 <= x2, both at least 0) of image row y that
// the hatch covers, its tiles `scale` pixels per tile pixel; a solid style
// covers them all.
void PaintHatchSpan(QRgb* line, int x1, int x2, int y, BrushStyle style, int scale, QRgb ink);

// A brush tiling the hatch of `style` in the colour.
QBrush HatchBrush(BrushStyle style, Colour colour);

// Qt's own pattern of a hatch style, for painters that scale their hatches
// (the diagonal cross for any style that is not a hatch).
Qt::BrushStyle QtHatchPattern(BrushStyle style);

} // namespace kel
