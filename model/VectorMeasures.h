#pragma once
// Length and angle of coordinate differences. The figure library builds its
// point routines on these, and the row routines use them directly, so they
// live below both.

#include <cstdint>
#include <optional>

namespace kel {

// Length of (dx, dy) rounded to the nearest integer. Worked out exactly in
// integers, so large vectors round correctly; nothing when the length does
// not fit a 32-bit int.
std::optional<int> VectorLength(std::int64_t dx, std::int64_t dy);

// Angle in whole degrees 0..180 between the vectors a and b drawn from one
// vertex, by the law of cosines on the three side lengths, each rounded to an
// integer first (small figures come out coarse). 0 when either vector has
// length 0, when their far ends are less than 3 apart, or when the sides do
// not make a triangle after rounding.
int VectorAngle(double ax, double ay, double bx, double by);

} // namespace kel
