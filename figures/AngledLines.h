#pragma once
// Ends of a segment drawn from a vertex at a given angle to a line.

#include "figures/Intersections.h"

#include <QPoint>

#include <optional>

namespace kel {

// The two points `length` away from v whose directions make `degrees` with
// the direction from v toward `toward`, one on each side (turned
// counter-clockwise on the screen first). Nothing when toward = v or a point
// leaves the 32-bit plane.
std::optional<PointPair> AngledEnds(QPoint v, QPoint toward, int degrees, int length);

} // namespace kel
