#pragma once
// The registrations of the intersection family: exact and approximate
// intersections, points derived from a point, grid points, and the tools
// that work on a group of points or line ends.

#include "interaction/core/Registrations.h"

namespace kel {

void registerIntersectionTools(Registrations& registrations);
void registerApproximateIntersectionTool(Registrations& registrations);
void registerPointTools(Registrations& registrations);
void registerGroupPointTools(Registrations& registrations);

} // namespace kel
