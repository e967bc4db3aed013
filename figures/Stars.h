#pragma once
// The outline of a star: inner and outer corners taking turns round a centre.

#include "figures/ConstructionState.h"
#include "model/Attributes.h"
#include "model/Canvas.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace kel {

// The star with `points` rays about the centre: for k = 0, 1, ... an inner
// corner at direction k * 360 / points on the smaller radius, then, while k
// is below `rays`, an outer corner half a step further on the larger one;
// the first corner (inner, pointing right) is repeated at the end to close
// the outline. Nothing for a radius below 3, equal radii, fewer than 3 or
// more than 360 points, fewer than 2 rays, or a corner outside the plane.
std::optional<std::vector<QPoint>> StarOutline(QPoint centre, int radius1, int radius2, int points,
                                               int rays);

// The star tool's preview: the outline for the count in slot 21 as `rays`
// replaces `vertices` and is drawn as a poly-line with the current pen (one
// pixel dotted for a width below 1). False, with nothing changed or drawn,
// when StarOutline gives nothing.
bool StarPoints(const ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                std::vector<QPoint>& vertices, QPoint centre, int radius1, int radius2, int points);

} // namespace kel
