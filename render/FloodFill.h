#pragma once
// Finding the region a flood fill covers. The region is found completely
// before anything is painted, so a brush that leaves gaps (a hatch) can never
// make the search run forever.

#include "model/Colour.h"

#include <QImage>
#include <QPoint>

#include <vector>

namespace kel {

// A run of pixels x1..x2 (both included) on row y.
struct FillSpan {
    int y;
    int x1;
    int x2;
};

// The 4-connected region around `seed` in which no pixel has exactly the
// border colour (the alpha byte is ignored). Empty when the seed lies outside
// the image or on the border colour. Iterative, with no recursion: every
// span is a whole run of open pixels, each found and read once.
std::vector<FillSpan> FindFillRegion(const QImage& image, QPoint seed, Colour border);

} // namespace kel
