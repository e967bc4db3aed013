#pragma once
// Points of a grid record: whether a point is one of its cross points, and
// the point at typed coordinates in the grid's own system (unit the cell
// width, y upwards). Both are worked out arithmetically, so a hand-edited
// grid of any size costs the same.

#include <QPoint>

#include <optional>

namespace kel {

struct GridFrame {
    QPoint origin; // the lower-left cross point (x0, y0)
    int cells = 0; // cross points 0..cells in each direction
    int step = 0;  // the cell width
};

struct GridIndex {
    int i = 0;
    int j = 0;
};

// The indices of the cross point (x0 + i*step, y0 - j*step) exactly at p,
// with i, j in 0..cells. Nothing when p is no cross point, the step is 0 or
// less, or the cell count is negative.
std::optional<GridIndex> GridCrossIndex(const GridFrame& grid, QPoint p);

// origin + (round(step * x), -round(step * y)). Nothing for values that are
// not finite, or a product or point outside the plane.
std::optional<QPoint> GridMarkPoint(QPoint origin, int step, double x, double y);

} // namespace kel
