#pragma once
// Feet of perpendiculars, reflection in a line and points square to a
// segment. Integer arithmetic is exact (wide intermediates, truncating
// division); nothing comes back when a result leaves the 32-bit plane.

#include "figures/ConstructionState.h"
#include "figures/Measures.h"

#include <QPoint>

#include <optional>

namespace kel {

// Foot of p on the infinite line l1-l2 (not necessarily on the segment),
// l1 itself when l1 = l2, with its distance from p.
std::optional<MeasuredPoint> PerpendicularFoot(QPoint p, QPoint l1, QPoint l2);

// Reflection of p in the line l1-l2: twice the foot minus p.
std::optional<QPoint> MirrorPoint(QPoint p, QPoint l1, QPoint l2);
// The same in the line held in slots 0..3 of the construction state.
std::optional<QPoint> MirrorPoint(QPoint p, const ConstructionState& state);

struct SidePoints {
    QPoint left;  // Q1: left of the direction a to b as seen on the screen
    QPoint right; // Q2
};

// The two points `length` away from b on the perpendicular to a-b through b.
// Nothing when a = b.
std::optional<SidePoints> PerpendicularPoints(QPoint a, QPoint b, int length);

} // namespace kel
