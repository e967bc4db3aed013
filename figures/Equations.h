#pragma once
// The two equation solvers behind the intersections and the circle through
// three points, in double precision.

#include <QPoint>

#include <optional>

namespace kel {

struct QuadraticRoots {
    double r1 = 0; // (-b + sqrt(disc)) / 2a
    double r2 = 0; // (-b - sqrt(disc)) / 2a
};

// Real roots of a x^2 + b x + c = 0. Nothing when the discriminant is
// negative or not a number, and nothing when a root is not finite (a = 0),
// so no caller ever rounds an infinity.
std::optional<QuadraticRoots> SolveQuadratic(double a, double b, double c);

// a1 x + b1 y = c1, a2 x + b2 y = c2 by Cramer's rule, x and y rounded.
// Nothing when the determinant is exactly 0 or a rounded value does not fit.
std::optional<QPoint> SolveLinear2x2(double c1, double b1, double a1, double c2, double b2,
                                     double a2);

} // namespace kel
