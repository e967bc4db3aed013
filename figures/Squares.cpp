#include "figures/Squares.h"

#include "figures/FigureMath.h"
#include "figures/FigurePens.h"
#include "figures/Intersections.h"
#include "figures/Measures.h"
#include "figures/Perpendiculars.h"
#include "model/Rounding.h"
#include "model/RowRoutines.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace kel {

namespace {

using figmath::Wide;

// q + a - b: the fourth corner of the square with side a-b and corner q at b.
std::optional<QPoint> FourthCorner(QPoint q, QPoint a, QPoint b)
{
    return figmath::MakePoint(Wide{q.x()} + a.x() - b.x(), Wide{q.y()} + a.y() - b.y());
}

void AppendLine(Document& doc, QPoint from, QPoint to)
{
    AddLineRow(doc, from.x(), from.y(), to.x(), to.y());
}

// The corners of a square on the side A-B that are not A and B.
struct FarCorners {
    QPoint nextToB;
    QPoint nextToA;
};

struct SideSquares {
    FarCorners left;
    FarCorners right;
};

// Both squares or neither: the tool previews one and may append the other.
std::optional<SideSquares> SquaresOnSide(QPoint a, QPoint b)
{
    const std::optional<int> side = PointDistance(a, b);
    if (!side)
        return std::nullopt;
    const std::optional<SidePoints> q = PerpendicularPoints(a, b, *side);
    if (!q)
        return std::nullopt;
    const std::optional<QPoint> d1 = FourthCorner(q->left, a, b);
    const std::optional<QPoint> d2 = FourthCorner(q->right, a, b);
    if (!d1 || !d2)
        return std::nullopt;
    return SideSquares{{q->left, *d1}, {q->right, *d2}};
}

} // namespace

bool PreviewSquareOnSide(const Document& doc, Canvas& canvas, QPoint a, QPoint b)
{
    const std::optional<SideSquares> squares = SquaresOnSide(a, b);
    if (!squares)
        return false;
    const FarCorners& left = squares->left;
    figpen::CanvasGuard guard(canvas);
    canvas.setPen(figpen::LinePen(doc.current));
    canvas.line(b, left.nextToB);
    canvas.line(left.nextToB, left.nextToA);
    canvas.line(left.nextToA, a);
    return true;
}

bool SquareOnSide(Document& doc, QPoint a, QPoint b, SquareSide side)
{
    const std::optional<SideSquares> squares = SquaresOnSide(a, b);
    if (!squares)
        return false;
    const FarCorners& chosen = side == SquareSide::Left ? squares->left : squares->right;
    AppendLine(doc, chosen.nextToB, b);
    AppendLine(doc, chosen.nextToB, chosen.nextToA);
    AppendLine(doc, a, chosen.nextToA);
    return true;
}

bool SquareOnDiagonal(Document& doc, QPoint a, QPoint b)
{
    const std::optional<int> diagonal = PointDistance(a, b);
    if (!diagonal)
        return false;
    const std::optional<int> side = RoundToInt(*diagonal / std::numbers::sqrt2);
    if (!side)
        return false;
    const std::optional<PointPair> corners = IntersectCircles(a, *side, b, *side);
    if (!corners)
        return false;
    AppendLine(doc, corners->first, a);
    AppendLine(doc, corners->first, b);
    AppendLine(doc, corners->second, a);
    AppendLine(doc, corners->second, b);
    return true;
}

} // namespace kel
