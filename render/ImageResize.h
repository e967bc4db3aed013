#pragma once
// Shrinking a 32-bit bitmap by area averaging: every pixel of the result is
// the mean of the source pixels that fall on it. Enhance Image uses it to
// turn a drawing made at four times the size into a smooth one, and New BMP
// 64 to reduce clipboard pictures.

#include <QImage>

namespace kel {

// The result is `percent` per cent of the source in width and height
// (64-bit products, truncated). A percentage of 100, or a source narrower or
// lower than 10 pixels, gives a copy; a result narrower or lower than 10
// pixels is a plain stretch. Enlarging gives every target pixel that no
// source pixel falls on the source pixel under it. Gives a null image for a
// percentage of 0 or less, or a result larger than maxSide pixels a side.
QImage ResizeBitmapPercent(int percent, const QImage& source, int maxSide = 10000);

} // namespace kel
