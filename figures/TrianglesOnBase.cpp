#include "figures/TrianglesOnBase.h"

#include "figures/FigurePens.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "model/Rounding.h"

#include <cmath>
#include <cstdint>
#include <numbers>
#include <optional>

namespace kel {

namespace {

constexpr int kApexPoint = 2; // slots 4, 5
constexpr int kMinimumSurplus = 5;
constexpr int kMinimumBaseAngle = 4;
constexpr int kAngleSumLimit = 176;

// The meeting point of the circles about a and b nearer to the pointer, the
// second on equal (rounded) distances.
std::optional<QPoint> ApexNearPointer(QPoint a, int rA, QPoint b, int rB, QPoint pointer)
{
    const std::optional<PointPair> apexes = IntersectCircles(a, rA, b, rB);
    if (!apexes)
        return std::nullopt;
    const std::optional<int> d1 = PointDistance(pointer, apexes->first);
    const std::optional<int> d2 = PointDistance(pointer, apexes->second);
    if (!d1 || !d2)
        return std::nullopt;
    return *d1 < *d2 ? apexes->first : apexes->second;
}

bool Accept(ConstructionState& state, Canvas& canvas, const CurrentAttributes& current, QPoint apex)
{
    state.slot[kTriangleVerdictSlot] = kTriangleVerdictValid;
    state.setPoint(kApexPoint, apex);
    figpen::CanvasGuard guard(canvas);
    canvas.setPen(figpen::LinePen(current));
    canvas.line(state.point(0), apex);
    canvas.line(state.point(1), apex);
    return true;
}

bool Reject(ConstructionState& state)
{
    state.slot[kTriangleVerdictSlot] = kTriangleVerdictInvalid;
    return false;
}

} // namespace

bool TriangleOnBaseSSS(ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                       QPoint pointer, int rA, int rB)
{
    const QPoint a = state.point(0);
    const QPoint b = state.point(1);
    const std::optional<int> base = PointDistance(a, b);
    // Sides that only just reach across the base would give a flat sliver.
    if (!base || std::int64_t{rA} + rB < std::int64_t{*base} + kMinimumSurplus)
        return Reject(state);
    const std::optional<QPoint> apex = ApexNearPointer(a, rA, b, rB, pointer);
    if (!apex)
        return Reject(state);
    return Accept(state, canvas, current, *apex);
}

bool TriangleOnBaseASA(ConstructionState& state, Canvas& canvas, const CurrentAttributes& current,
                       QPoint pointer, int angleA, int angleB)
{
    // Every refusal marks the triangle invalid, so a click after an invalid
    // preview never appends the apex of an earlier one.
    if (angleA < kMinimumBaseAngle || angleB < kMinimumBaseAngle ||
        std::int64_t{angleA} + angleB >= kAngleSumLimit)
        return Reject(state);
    const QPoint a = state.point(0);
    const QPoint b = state.point(1);
    const std::optional<int> base = PointDistance(a, b);
    if (!base)
        return Reject(state);

    using Real = long double;
    constexpr Real kRadiansPerDegree = std::numbers::pi_v<Real> / 180;
    const int angleC = 180 - (angleA + angleB);
    const Real sinC = std::sin(angleC * kRadiansPerDegree);
    const std::optional<int> rA =
        RoundToInt(static_cast<double>(*base * std::sin(angleB * kRadiansPerDegree) / sinC));
    const std::optional<int> rB =
        RoundToInt(static_cast<double>(*base * std::sin(angleA * kRadiansPerDegree) / sinC));
    if (!rA || !rB)
        return Reject(state);
    const std::optional<QPoint> apex = ApexNearPointer(a, *rA, b, *rB, pointer);
    if (!apex)
        return Reject(state);
    return Accept(state, canvas, current, *apex);
}

} // namespace kel
