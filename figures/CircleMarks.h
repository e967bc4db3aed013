#pragma once
// Marks on circles and arcs: directions reduced to whole turns, the span and
// midpoint of an arc, its point reflection, equally spaced points, and the
// height shown by the arc info. Everything is worked out arithmetically, so
// any stored angle (negative, beyond 359) costs the same.

#include "figures/Measures.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

namespace kel {

// Whole degrees reduced into 0..359.
int ReduceDegrees(std::int64_t degrees);

// Counter-clockwise span of the arc from a1 to a2 in 1..360: equal
// directions mean the whole circle.
int ArcSpan(std::int64_t a1, std::int64_t a2);

// The direction halfway along the arc: a1 + span div 2, reduced.
int ArcMidAngle(std::int64_t a1, std::int64_t a2);

// The arc turned half a turn about its centre: both directions plus 180,
// reduced.
AnglePair MirroredArcAngles(std::int64_t a1, std::int64_t a2);

// The point of the circle in direction `degrees`:
// (cx + round(R cos t), cy - round(R sin t)). Nothing outside the plane.
std::optional<QPoint> PointOnCircleAt(QPoint centre, int radius, double degrees);

inline constexpr int kMinEqualPoints = 2;
inline constexpr int kMaxEqualPoints = 360;

// n points at equal angles round the circle, the first in direction
// offsetDegrees, counter-clockwise. Nothing for n outside 2..360, an offset
// that is not finite, or a point outside the plane.
std::optional<std::vector<QPoint>> EqualPointsOnCircle(QPoint centre, int radius, int n,
                                                       double offsetDegrees);

// The height the arc info reports: H = |round(R cos(span * pi / 360))| with
// span = |a1 - a2|, plus R unless H >= 3 and span <= 180.
std::int64_t ArcInfoHeight(int radius, int a1, int a2);

} // namespace kel
