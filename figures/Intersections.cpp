#include "figures/Intersections.h"

#include "figures/Equations.h"
#include "figures/FigureMath.h"
#include "figures/Measures.h"

#include <cmath>
#include <cstdint>
#include <utility>

namespace kel {

using figmath::Wide;
using figmath::WideSq;

namespace {

// The circle cut by the line y = m x + k: the point with the larger x first.
std::optional<PointPair> SlopedLineCircle(QPoint c, int r, double m, double k)
{
    const double cx = c.x();
    const double cy = c.y();
    const double rr = static_cast<double>(r) * r;
    const std::optional<QuadraticRoots> roots =
        SolveQuadratic(m * m + 1, 2 * (m * k - cy * m - cx), (k - cy) * (k - cy) + cx * cx - rr);
    if (!roots)
        return std::nullopt;
    const std::optional<QPoint> first = figmath::RoundPoint(roots->r1, m * roots->r1 + k);
    const std::optional<QPoint> second = figmath::RoundPoint(roots->r2, m * roots->r2 + k);
    if (!first || !second)
        return std::nullopt;
    return PointPair{*first, *second};
}

// Half the chord through a line at `offset` from the centre, or nothing when
// the line misses the circle.
std::optional<std::int64_t> HalfChord(int r, Wide offset)
{
    const Wide s2 = WideSq(r) - WideSq(offset);
    if (s2 < 0)
        return std::nullopt;
    return static_cast<std::int64_t>(figmath::RoundedSqrt(static_cast<std::uint64_t>(s2)));
}

} // namespace

std::optional<QPoint> IntersectLines(QPoint a1, QPoint a2, QPoint b1, QPoint b2)
{
    // The parallel test is exact in 128 bits; double would lose the low bits
    // of the products for far-out points.
    if ((Wide{a1.y()} - a2.y()) * (Wide{b1.x()} - b2.x()) ==
        (Wide{b1.y()} - b2.y()) * (Wide{a1.x()} - a2.x()))
        return std::nullopt;
    const double a1x = a1.x(), a1y = a1.y(), a2x = a2.x(), a2y = a2.y();
    const double b1x = b1.x(), b1y = b1.y(), b2x = b2.x(), b2y = b2.y();
    if (a1.x() == a2.x()) {
        const std::optional<int> y = RoundToInt((a1x - b2x) * (b1y - b2y) / (b1x - b2x) + b2y);
        return y ? std::optional<QPoint>(QPoint(a1.x(), *y)) : std::nullopt;
    }
    if (b1.x() == b2.x()) {
        const std::optional<int> y = RoundToInt((b1x - a2x) * (a1y - a2y) / (a1x - a2x) + a2y);
        return y ? std::optional<QPoint>(QPoint(b1.x(), *y)) : std::nullopt;
    }
    const double mA = (a2y - a1y) / (a2x - a1x);
    const double mB = (b2y - b1y) / (b2x - b1x);
    const double cA = (a1x * a2y - a1y * a2x) / (a1x - a2x);
    const double cB = (b1x * b2y - b1y * b2x) / (b1x - b2x);
    // Nearly parallel lines can give equal slopes in double: the division
    // then yields no finite value and rounding refuses it.
    return figmath::RoundPoint((cA - cB) / (mB - mA), (cA * mB - mA * cB) / (mB - mA));
}

std::optional<PointPair> IntersectLineCircle(QPoint centre, int radius, QPoint l1, QPoint l2)
{
    if (l1.x() == l2.x()) {
        const std::optional<std::int64_t> s = HalfChord(radius, Wide{l2.x()} - centre.x());
        if (!s)
            return std::nullopt;
        const auto first = figmath::MakePoint(l2.x(), Wide{centre.y()} - *s);
        const auto second = figmath::MakePoint(l2.x(), Wide{centre.y()} + *s);
        if (!first || !second)
            return std::nullopt;
        return PointPair{*first, *second};
    }
    if (l1.y() != l2.y()) {
        const double m =
            (static_cast<double>(l1.y()) - l2.y()) / (static_cast<double>(l1.x()) - l2.x());
        const double k = l1.y() - l1.x() * m;
        return SlopedLineCircle(centre, radius, m, k);
    }
    const std::optional<std::int64_t> s = HalfChord(radius, Wide{l2.y()} - centre.y());
    if (!s)
        return std::nullopt;
    const auto first = figmath::MakePoint(Wide{centre.x()} - *s, l2.y());
    const auto second = figmath::MakePoint(Wide{centre.x()} + *s, l2.y());
    if (!first || !second)
        return std::nullopt;
    return PointPair{*first, *second};
}

std::optional<PointPair> IntersectCircles(QPoint c1, int r1, QPoint c2, int r2)
{
    if (c1 == c2 || r1 <= 0 || r2 <= 0)
        return std::nullopt;
    const std::optional<int> dist = PointDistance(c1, c2);
    if (!dist)
        return std::nullopt;
    const std::int64_t d = *dist;
    const double rr1 = static_cast<double>(WideSq(r1));
    const double rr2 = static_cast<double>(WideSq(r2));
    const double dd = static_cast<double>(WideSq(d));
    const double k1 = (rr1 + dd - rr2) / (2.0 * r1 * d);
    // Circles within a pixel of outer contact count as touching, also when
    // the rounded distance puts them one pixel apart (k1 just above 1).
    const Wide gap = Wide{r1} + r2 - d;
    const bool touching = gap > -2 && gap < 2;
    if (!touching && !(1 - k1 * k1 >= 0))
        return std::nullopt;
    const std::optional<int> a = RoundToInt(r1 * k1);
    if (!a)
        return std::nullopt;
    // The foot divides the centre line in a : b with a + b = d. Rounding a
    // and r2 * k2 separately can make their sum d + 1 (equal radii and an odd
    // distance), which throws the foot far off; b follows from a instead.
    const std::int64_t b = d - *a;
    const auto foot = figmath::MakePoint((Wide{c2.x()} * *a + Wide{c1.x()} * b) / d,
                                         (Wide{c2.y()} * *a + Wide{c1.y()} * b) / d);
    if (!foot)
        return std::nullopt;
    const QPoint f = *foot;
    if (touching)
        return PointPair{f, f};
    const std::optional<int> h = RoundToInt(r1 * std::sqrt(1 - k1 * k1));
    if (!h)
        return std::nullopt;

    if (c1.x() == c2.x()) {
        const auto first = figmath::MakePoint(Wide{f.x()} + *h, f.y());
        const auto second = figmath::MakePoint(Wide{f.x()} - *h, f.y());
        if (!first || !second)
            return std::nullopt;
        return PointPair{*first, *second};
    }
    if (c1.y() == c2.y()) {
        const auto first = figmath::MakePoint(f.x(), Wide{f.y()} + *h);
        const auto second = figmath::MakePoint(f.x(), Wide{f.y()} - *h);
        if (!first || !second)
            return std::nullopt;
        return PointPair{*first, *second};
    }
    // The common chord y = m x + k, used as it is: rounding two points of it
    // first, a few pixels apart in x, would turn its slope by whole pixels
    // per pixel and put the answer hundreds of pixels off.
    const double dy = static_cast<double>(Wide{c2.y()} - c1.y());
    const double m = static_cast<double>(Wide{c1.x()} - c2.x()) / dy;
    const Wide numerator =
        WideSq(r1) - WideSq(r2) + WideSq(c2.y()) - WideSq(c1.y()) + WideSq(c2.x()) - WideSq(c1.x());
    const double k = static_cast<double>(numerator) / (2 * dy);
    std::optional<PointPair> points = SlopedLineCircle(c1, r1, m, k);
    if (!points)
        return std::nullopt;
    // Where the two chord points at the centres' x round to one height the
    // chord counts as horizontal, and a horizontal cut gives the left point
    // first.
    const std::optional<int> y1 = RoundToInt(m * c1.x() + k);
    const std::optional<int> y2 = RoundToInt(m * c2.x() + k);
    if (y1 && y2 && *y1 == *y2 && points->first.x() > points->second.x())
        std::swap(points->first, points->second);
    return points;
}

} // namespace kel
