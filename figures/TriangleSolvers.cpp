#include "figures/TriangleSolvers.h"

#include "figures/FigureMath.h"
#include "figures/FigurePens.h"
#include "figures/Intersections.h"
#include "model/Rounding.h"
#include "model/RowRoutines.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace kel {

namespace {

using figmath::Wide;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x008000;
constexpr Colour kBlue = 0xFF0000;

// Trigonometry of the solvers runs in extended precision.
using Real = long double;
constexpr Real kRadiansPerDegree = std::numbers::pi_v<Real> / 180;

TriangleResult Refuse(const QString& text, TriangleResult result)
{
    result.code = kTriangleInvalid;
    result.status = text;
    return result;
}

std::optional<int> RoundReal(Real value)
{
    return RoundToInt(static_cast<double>(value));
}

Real SinDegrees(int degrees)
{
    return std::sin(degrees * kRadiansPerDegree);
}

Real CosDegrees(int degrees)
{
    return std::cos(degrees * kRadiansPerDegree);
}

// The angle between the sides p and q of a triangle whose third side is
// `opposite`, by the law of cosines, in whole degrees. Rounded sides of a
// flat triangle can put the cosine a hair outside -1..1; it is held there,
// so a flat triangle reads 180 or 0 instead of failing.
std::optional<int> AngleBetween(int p, int q, int opposite)
{
    const Wide numerator = figmath::WideSq(p) + figmath::WideSq(q) - figmath::WideSq(opposite);
    const Real k = static_cast<Real>(numerator) / (2 * static_cast<Real>(p) * q);
    if (!std::isfinite(k))
        return std::nullopt;
    return RoundReal(std::acos(std::clamp(k, Real{-1}, Real{1})) / kRadiansPerDegree);
}

// The third side opposite the given angle between p and q, rounded.
std::optional<int> SideOpposite(int p, int q, int degrees)
{
    const Real pp = static_cast<Real>(p) * p;
    const Real qq = static_cast<Real>(q) * q;
    const Real square = pp + qq - 2 * static_cast<Real>(p) * q * CosDegrees(degrees);
    return RoundReal(std::sqrt(std::max(square, Real{0})));
}

struct SolvedSides {
    QPoint a;
    QPoint b;
    QPoint c;
    int angleA = 0;
    int angleB = 0;
    int angleC = 0;
};

std::optional<SolvedSides> SolveSides(QPoint start, int a, int c, int b, bool apexAbove)
{
    if (a < 1 || b < 1 || c < 1)
        return std::nullopt;
    const std::optional<QPoint> right = figmath::MakePoint(Wide{start.x()} + c, start.y());
    if (!right)
        return std::nullopt;
    const std::optional<PointPair> apexes = IntersectCircles(start, b, *right, a);
    if (!apexes)
        return std::nullopt;
    // The centres share y, so both meeting points share x: one above the
    // base, one below.
    const QPoint upper = apexes->first.y() <= apexes->second.y() ? apexes->first : apexes->second;
    const QPoint lower = upper == apexes->first ? apexes->second : apexes->first;
    const std::optional<int> angleC = AngleBetween(b, a, c);
    const std::optional<int> angleA = AngleBetween(b, c, a);
    const std::optional<int> angleB = AngleBetween(c, a, b);
    if (!angleA || !angleB || !angleC)
        return std::nullopt;
    return SolvedSides{start, *right, apexAbove ? upper : lower, *angleA, *angleB, *angleC};
}

} // namespace

TriangleResult TriangleFromSides(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                 int a, int c, int b, bool apexAbove)
{
    TriangleResult result;
    result.sideA = a;
    result.sideB = b;
    result.sideC = c;
    const std::optional<SolvedSides> solved = SolveSides(start, a, c, b, apexAbove);
    if (!solved)
        return Refuse(kInvalidTriangle, result);

    result.code = kTriangleValid;
    result.status = kValidTriangle;
    result.pointA = solved->a;
    result.pointB = solved->b;
    result.apex = solved->c;
    result.angleA = solved->angleA;
    result.angleB = solved->angleB;
    result.angleC = solved->angleC;

    const QPoint pa = solved->a;
    const QPoint pb = solved->b;
    const QPoint pc = solved->c;
    if (step == FigureStep::Preview) {
        figpen::CanvasGuard guard(canvas);
        canvas.setPen(figpen::LinePen(doc.current, kRed));
        canvas.line(pc, pa);
        canvas.setPen(figpen::LinePen(doc.current, kGreen));
        canvas.line(pc, pb);
        canvas.setPen(figpen::LinePen(doc.current, kBlue));
        canvas.line(pa, pb);
    } else {
        // A side too short for a line record is refused on its own; the
        // others are still appended.
        AddLineRow(doc, pc.x(), pc.y(), pa.x(), pa.y());
        AddLineRow(doc, pc.x(), pc.y(), pb.x(), pb.y());
        AddLineRow(doc, pa.x(), pa.y(), pb.x(), pb.y());
    }
    return result;
}

namespace {

// The triangle of the three sides, reporting the angles the caller solved
// for rather than the ones recomputed from the rounded sides.
TriangleResult SidesWithAngles(Document& doc, Canvas& canvas, FigureStep step, QPoint start, int a,
                               int c, int b, bool apexAbove, const TriangleResult& solved)
{
    TriangleResult made = TriangleFromSides(doc, canvas, step, start, a, c, b, apexAbove);
    made.angleA = solved.angleA;
    made.angleB = solved.angleB;
    made.angleC = solved.angleC;
    return made;
}

// Which end of the base holds the given angle; the given side runs from that
// end to the apex.
enum class BaseEnd { A, B };

// Two sides and the angle between them: the side opposite the angle comes from
// the law of cosines, angle C from the three sides, and the angle at the other
// end of the base from the angle sum.
TriangleResult TriangleFromSAS(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                               BaseEnd end, int side, int angle, int c, bool apexAbove)
{
    TriangleResult result;
    const bool atA = end == BaseEnd::A;
    int& givenSide = atA ? result.sideB : result.sideA;
    int& givenAngle = atA ? result.angleA : result.angleB;
    int& solvedSide = atA ? result.sideA : result.sideB;
    int& solvedAngle = atA ? result.angleB : result.angleA;
    givenSide = side;
    givenAngle = angle;
    result.sideC = c;
    if (angle < 2 || angle >= 179 || side < 1 || c < 1)
        return Refuse(kInvalidTriangleInput, result);
    const std::optional<int> opposite = SideOpposite(side, c, angle);
    if (!opposite || *opposite < 1)
        return Refuse(kInvalidTriangleInput, result);
    solvedSide = *opposite;
    const std::optional<int> angleC = AngleBetween(*opposite, side, c);
    if (!angleC)
        return Refuse(kInvalidTriangleInput, result);
    result.angleC = *angleC;
    solvedAngle = 180 - (*angleC + angle);

    return SidesWithAngles(doc, canvas, step, start, result.sideA, c, result.sideB, apexAbove,
                           result);
}

} // namespace

TriangleResult TriangleFromASA(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                               int angleA, int c, int angleB, bool apexAbove)
{
    TriangleResult result;
    result.sideC = c;
    result.angleA = angleA;
    result.angleB = angleB;
    const Wide angleC = 180 - Wide{angleA} - angleB;
    if (angleC < 1 || angleC >= 179 || angleA >= 179 || angleB >= 179 ||
        Wide{angleA} + angleB >= 180)
        return Refuse(kInvalidTriangleInput, result);
    result.angleC = static_cast<int>(angleC);

    const Real sinC = SinDegrees(result.angleC);
    const std::optional<int> a = RoundReal(c * SinDegrees(angleA) / sinC);
    const std::optional<int> b = RoundReal(c * SinDegrees(angleB) / sinC);
    if (!a || !b)
        return Refuse(kInvalidTriangleInput, result);
    result.sideA = *a;
    result.sideB = *b;
    // A zero angle (or a short base) leaves a side of no length: there is no
    // triangle to draw.
    if (*a < 1 || *b < 1)
        return Refuse(kInvalidTriangleInput, result);

    return SidesWithAngles(doc, canvas, step, start, *a, c, *b, apexAbove, result);
}

TriangleResult TriangleFromSASLeft(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                   int b, int angleA, int c, bool apexAbove)
{
    return TriangleFromSAS(doc, canvas, step, start, BaseEnd::A, b, angleA, c, apexAbove);
}

TriangleResult TriangleFromSASRight(Document& doc, Canvas& canvas, FigureStep step, QPoint start,
                                    int a, int angleB, int c, bool apexAbove)
{
    return TriangleFromSAS(doc, canvas, step, start, BaseEnd::B, a, angleB, c, apexAbove);
}

} // namespace kel
