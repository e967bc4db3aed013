#pragma once
// Turning and scaling single points about a centre. With y pointing down, a
// positive angle turns a point clockwise on the screen. Each routine gives
// nothing when the result leaves the 32-bit plane.

#include <QPoint>

#include <optional>

namespace kel {

// p turned by whole degrees about centre. The angle is held in single
// precision once converted to radians, as the tools have always done.
std::optional<QPoint> RotatePoint(QPoint p, QPoint centre, int degrees);

// The same turn with the angle in radians, in double precision; used by the
// crop-area rotation.
std::optional<QPoint> RotateAboutRadians(QPoint p, QPoint centre, double radians);

// p's offset from `from` scaled by percent (truncating) and put at `to`.
std::optional<QPoint> ScaleAbout(QPoint p, QPoint from, QPoint to, int percent);

} // namespace kel
