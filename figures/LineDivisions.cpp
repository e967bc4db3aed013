#include "figures/LineDivisions.h"

#include "figures/Measures.h"

#include <cstdint>
#include <limits>

namespace kel {

namespace {

bool fits(std::int64_t v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

std::int64_t squaredDistance(QPoint p, QPoint q)
{
    const std::int64_t dx = std::int64_t{p.x()} - q.x();
    const std::int64_t dy = std::int64_t{p.y()} - q.y();
    return dx * dx + dy * dy;
}

} // namespace

std::vector<QPoint> DivisionPoints(QPoint a, QPoint b, int n)
{
    std::vector<QPoint> points;
    if (n < 2)
        return points;
    for (int i = 1; i < n; ++i) {
        // A weighted mean of two ints always fits an int again.
        const std::int64_t x = (std::int64_t{i} * a.x() + std::int64_t{n - i} * b.x()) / n;
        const std::int64_t y = (std::int64_t{i} * a.y() + std::int64_t{n - i} * b.y()) / n;
        points.emplace_back(static_cast<int>(x), static_cast<int>(y));
    }
    return points;
}

std::optional<GapPieces> GapAround(QPoint a, QPoint b, QPoint f)
{
    const std::optional<int> ab = PointDistance(a, b);
    const std::optional<int> af = PointDistance(a, f);
    const std::optional<int> bf = PointDistance(b, f);
    if (!ab || !af || !bf || *ab <= *af || *ab <= *bf)
        return std::nullopt;
    // The mirror of f in the midpoint: 2M - f, M halved toward zero.
    const std::int64_t mx = (std::int64_t{a.x()} + b.x()) / 2;
    const std::int64_t my = (std::int64_t{a.y()} + b.y()) / 2;
    const std::int64_t gx = 2 * mx - f.x();
    const std::int64_t gy = 2 * my - f.y();
    if (!fits(gx) || !fits(gy))
        return std::nullopt;
    const QPoint g(static_cast<int>(gx), static_cast<int>(gy));
    if (squaredDistance(a, f) <= squaredDistance(a, g))
        return GapPieces{f, g};
    return GapPieces{g, f};
}

} // namespace kel
