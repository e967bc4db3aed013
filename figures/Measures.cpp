#include "figures/Measures.h"

#include "model/VectorMeasures.h"

#include <cstdint>

namespace kel {

std::optional<int> PointDistance(QPoint p1, QPoint p2)
{
    // Differences of two ints need 33 bits.
    return VectorLength(std::int64_t{p1.x()} - p2.x(), std::int64_t{p1.y()} - p2.y());
}

int AngleAtVertex(QPoint vertex, QPoint a, QPoint b)
{
    // Differences of ints are exact in double.
    const double vx = vertex.x();
    const double vy = vertex.y();
    return VectorAngle(a.x() - vx, a.y() - vy, b.x() - vx, b.y() - vy);
}

} // namespace kel
