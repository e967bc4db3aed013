#include "figures/GridPoints.h"

#include "figures/FigureMath.h"
#include "model/Rounding.h"

#include <cmath>
#include <cstdint>

namespace kel {

namespace {

// The index k in 0..cells with offset == k * step, or nothing.
std::optional<int> exactIndex(std::int64_t offset, int step, int cells)
{
    if (offset < 0 || offset % step != 0)
        return std::nullopt;
    const std::int64_t k = offset / step;
    if (k > cells)
        return std::nullopt;
    return static_cast<int>(k);
}

} // namespace

std::optional<GridIndex> GridCrossIndex(const GridFrame& grid, QPoint p)
{
    if (grid.step <= 0 || grid.cells < 0)
        return std::nullopt;
    const std::optional<int> i =
        exactIndex(std::int64_t{p.x()} - grid.origin.x(), grid.step, grid.cells);
    const std::optional<int> j =
        exactIndex(std::int64_t{grid.origin.y()} - p.y(), grid.step, grid.cells);
    if (!i || !j)
        return std::nullopt;
    return GridIndex{*i, *j};
}

std::optional<QPoint> GridMarkPoint(QPoint origin, int step, double x, double y)
{
    if (!std::isfinite(x) || !std::isfinite(y))
        return std::nullopt;
    const std::optional<int> dx = RoundToInt(step * x);
    const std::optional<int> dy = RoundToInt(step * y);
    if (!dx || !dy)
        return std::nullopt;
    return figmath::MakePoint(figmath::Wide{origin.x()} + *dx, figmath::Wide{origin.y()} - *dy);
}

} // namespace kel
