#include "figures/Equations.h"

#include "figures/FigureMath.h"

#include <cmath>

namespace kel {

std::optional<QuadraticRoots> SolveQuadratic(double a, double b, double c)
{
    const double disc = b * b - 4 * a * c;
    if (!(disc >= 0))
        return std::nullopt;
    const double root = std::sqrt(disc);
    const QuadraticRoots roots{(-b + root) / (2 * a), (-b - root) / (2 * a)};
    if (!std::isfinite(roots.r1) || !std::isfinite(roots.r2))
        return std::nullopt;
    return roots;
}

std::optional<QPoint> SolveLinear2x2(double c1, double b1, double a1, double c2, double b2,
                                     double a2)
{
    const double det = a2 * b1 - a1 * b2;
    if (det == 0)
        return std::nullopt;
    return figmath::RoundPoint((c2 * b1 - c1 * b2) / det, (a2 * c1 - a1 * c2) / det);
}

} // namespace kel
