#pragma once
// Flood fill for vector canvases. No vector format has a fill to a border
// colour that readers honour, so vector canvases keep a raster shadow of
// everything they draw, fill there, and embed the pixels of the filled
// region as a picture: what the screen shows is never lost.

#include "model/Colour.h"
#include "render/RasterCanvas.h"

#include <QPoint>
#include <QRect>

#include <vector>

namespace kel {

struct FilledArea {
    QRect box;                // bounding box of the region
    std::vector<QRect> rects; // the region, sorted by top then left, not overlapping
    bool isEmpty() const { return rects.empty(); }
};

// Fills the shadow from `seed` up to the border colour with its brush and
// returns the region the fill covered; empty when nothing was painted.
FilledArea FillOnShadow(RasterCanvas& shadow, QPoint seed, Colour border);

// The shadow's pixels of the area's box, transparent outside the region.
QImage FilledPixels(const RasterCanvas& shadow, const FilledArea& area);

} // namespace kel
