#include "figures/Stars.h"

#include "figures/FigureMath.h"
#include "figures/FigurePens.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>

namespace kel {

namespace {

constexpr int kMinRadius = 3;
constexpr int kMinPoints = 3;
constexpr int kMaxPoints = 360;
constexpr int kMinRays = 2;

} // namespace

std::optional<std::vector<QPoint>> StarOutline(QPoint centre, int radius1, int radius2, int points,
                                               int rays)
{
    if (radius1 < kMinRadius || radius2 < kMinRadius || radius1 == radius2 || points < kMinPoints ||
        points > kMaxPoints || rays < kMinRays)
        return std::nullopt;
    const double inner = std::min(radius1, radius2);
    const double outer = std::max(radius1, radius2);
    // The step is kept in single precision, as the star tool always has.
    const auto step = static_cast<float>(2 * std::numbers::pi / points);

    auto corner = [&](double radius, double angle) {
        return figmath::OffsetRounded(centre, radius * std::cos(angle), -radius * std::sin(angle));
    };
    std::vector<QPoint> outline;
    outline.reserve(static_cast<std::size_t>(2 * points + 1));
    for (int k = 0; k < points; ++k) {
        const double angle = static_cast<double>(k) * step;
        const std::optional<QPoint> in = corner(inner, angle);
        if (!in)
            return std::nullopt;
        outline.push_back(*in);
        if (rays <= k)
            break;
        const std::optional<QPoint> out = corner(outer, angle + step / 2.0);
        if (!out)
            return std::nullopt;
        outline.push_back(*out);
    }
    outline.push_back(outline.front());
    return outline;
}

bool StarPoints(const ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                std::vector<QPoint>& vertices, QPoint centre, int radius1, int radius2, int points)
{
    std::optional<std::vector<QPoint>> outline =
        StarOutline(centre, radius1, radius2, points, state.slot[ConstructionState::kCount]);
    if (!outline)
        return false;
    vertices = std::move(*outline);
    figpen::CanvasGuard guard(canvas);
    canvas.setPen(figpen::LinePen(current));
    canvas.polyline(vertices);
    return true;
}

} // namespace kel
