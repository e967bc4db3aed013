#pragma once
// Measuring on the off-screen bitmap (a Format_RGB32 image): counting pixels
// of one colour and finding where drawn lines cross. Pixels are read only
// inside the image.

#include "figures/ConstructionState.h"
#include "model/Colour.h"

#include <QImage>
#include <QPoint>

#include <optional>

namespace kel {

// Counts the pixels of `colour` in the rectangle left = slot 0, top = slot 1,
// right = slot 2, bottom = slot 3 (edges included; the part outside the image
// counts nothing), stores the count in slot 21 and gives it. -1, with slot 21
// untouched, when p lies outside the rectangle.
int CountColourPixels(ConstructionState& state, const QImage& bitmap, QPoint p, Colour colour);

// Looks in the 20 x 20 box whose top-left corner is slots 0, 1 for the place
// where drawn (non-white) pixels crowd most: each cell counts the non-white
// pixels of its 5 x 5 neighbourhood inside the box and inside the image less a
// one-pixel margin; the answer is the corner plus the truncated mean position
// of the cells with the highest count. Nothing when the box holds no drawn
// pixel. Redrawing and marking the point are the caller's.
std::optional<QPoint> FindDrawnCrossing(const ConstructionState& state, const QImage& bitmap);

} // namespace kel
