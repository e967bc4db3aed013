#pragma once
// The math of the two curve records.
//
// A Bezier curve record stores its ends P0 and P3 and two points Q1 and Q2
// the curve passes through, at parameter 1/3 and 2/3; the control points are
// worked out from them. A polynomial curve record stores 2 to 26 points with
// different x; its graph is the interpolating polynomial's, drawn with one
// vertex per pixel column between the outermost points.

#include "render/FarGeometry.h"

#include <QPoint>
#include <QRectF>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kel {

// A point whose coordinates may leave the 32-bit range.
struct WidePoint {
    std::int64_t x = 0;
    std::int64_t y = 0;
};

// P0, Q1, Q2, P3 as a Bezier curve record stores them.
using BezierRecordPoints = std::array<QPoint, 4>;

// The control points C1 and C2 of the cubic from P0 to P3 through Q1 and Q2,
// per coordinate with truncating divisions:
//   C1 = (-5 P0) / 6 + P3 / 3 - (3 Q2) / 2 + 3 Q1
//   C2 = P0 / 3 - (5 P3) / 6 + 3 Q2 - (3 Q1) / 2
// The truncation moves the curve by at most about two pixels off Q1 and Q2.
struct BezierControls {
    WidePoint c1;
    WidePoint c2;
};
BezierControls BezierControlPoints(const BezierRecordPoints& points);

// The point of the cubic at parameter t, in double precision.
QPointF BezierPointAt(const BezierRecordPoints& points, const BezierControls& controls, double t);

// The sample of the curve nearest to a point. The curve is sampled at
// t = 0, 0.01, ..., 1: 101 samples, each t worked out from its index.
inline constexpr int kBezierSamples = 101;
struct BezierHit {
    int distance = 0; // rounded
    float t = 0;
    QPoint point; // the sample, rounded
};
// Nothing when no sample lies within the 32-bit plane.
std::optional<BezierHit> BezierNearest(const BezierRecordPoints& points, QPoint pointer);

inline constexpr int kMaxPolynomialPoints = 26;
// c[k] multiplies x^k.
using Polynomial = std::array<double, kMaxPolynomialPoints>;

// The interpolating polynomial through the points (Lagrange's form expanded
// into powers). Nothing when two points share an x or there are more than 26
// points.
std::optional<Polynomial> PolynomialCoefficients(std::span<const QPoint> points);
// The highest k whose coefficient is not 0; 0 when there is none.
int PolynomialDegree(const Polynomial& c);
// sum of c[k] x^k for k = 0..degree, powers by repeated multiplication in
// extended precision.
long double EvaluatePolynomial(const Polynomial& c, int degree, long double x);

// The graph of the polynomial through the points: for each column x from
// the smallest to the largest x of the points, the vertex (x, y rounded),
// turned by `angle` degrees about `centre` as RotatePoint turns points.
// Only columns whose vertex can land in `window` are worked out, so the
// work never exceeds the window's size, however far apart the points are.
// The graph comes in runs: a value that is not a number breaks it; values
// beyond any canvas are held at a far distance, so a steep graph still
// leaves the window in the right direction. Nothing when the polynomial does
// not exist (see PolynomialCoefficients).
std::optional<std::vector<PolylineF>> PolynomialGraph(std::span<const QPoint> points, int angle,
                                                      QPoint centre, const QRectF& window);

} // namespace kel
