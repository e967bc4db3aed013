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

} // namespace

bool SquareOnSide(Document& doc, Canvas& canvas, QPoint a, QPoint b)
{
    const std::optional<int> side = PointDistance(a, b);
    if (!side)
        return false;
    const std::optional<SidePoints> q = PerpendicularPoints(a, b, *side);
    if (!q)
        return false;
    const std::optional<QPoint> d1 = FourthCorner(q->left, a, b);
    const std::optional<QPoint> d2 = FourthCorner(q->right, a, b);
    if (!d1 || !d2)
        return false;

    {
        figpen::CanvasGuard guard(canvas);
        canvas.setPen(figpen::LinePen(doc.current));
        canvas.line(b, q->left);
        canvas.line(q->left, *d1);
        canvas.line(*d1, a);
    }
    const bool left = doc.ui.askYesNo(kSquareDirectionQuestion);
    const QPoint corner = left ? q->left : q->right;
    const QPoint fourth = left ? *d1 : *d2;
    AppendLine(doc, corner, b);
    AppendLine(doc, corner, fourth);
    AppendLine(doc, a, fourth);
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
