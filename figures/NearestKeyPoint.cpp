#include "figures/NearestKeyPoint.h"

#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/TableCells.h"
#include "model/RecordKinds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>

namespace kel {

using figmath::Wide;

namespace {

// Points and fill seeds offer the same two columns.
static_assert(col::point::X == col::fill::X && col::point::Y == col::fill::Y);

constexpr Wide kIntMin = std::numeric_limits<int>::min();
constexpr Wide kIntMax = std::numeric_limits<int>::max();
// Beyond any index a grid of 32-bit cells can have.
constexpr Wide kUnbounded = Wide{1} << 80;

Wide FloorDiv(Wide a, Wide b)
{
    Wide q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

Wide CeilDiv(Wide a, Wide b)
{
    return -FloorDiv(-a, b);
}

struct Range {
    Wide lo;
    Wide hi;
    bool empty() const { return lo > hi; }
};

Range Intersect(Range a, Range b)
{
    return {std::max(a.lo, b.lo), std::min(a.hi, b.hi)};
}

// The integers t with lo <= base + coef * t <= hi.
Range Solve(Wide base, Wide coef, Wide lo, Wide hi)
{
    if (coef == 0)
        return base >= lo && base <= hi ? Range{-kUnbounded, kUnbounded} : Range{1, 0};
    if (coef > 0)
        return {CeilDiv(lo - base, coef), FloorDiv(hi - base, coef)};
    return {CeilDiv(hi - base, coef), FloorDiv(lo - base, coef)};
}

Wide FloorSqrt(Wide n)
{
    auto s = static_cast<Wide>(std::sqrt(static_cast<double>(n)));
    while (s > 0 && s * s > n)
        --s;
    while ((s + 1) * (s + 1) <= n)
        ++s;
    return s;
}

// The smallest square of coef * t - target over t in the range (not empty).
Wide SmallestSquare(Wide coef, Wide target, Range range)
{
    auto value = [&](Wide t) {
        const Wide v = coef * t - target;
        return v * v;
    };
    if (coef == 0)
        return value(range.lo);
    const Wide t = FloorDiv(target, coef);
    Wide best = value(std::clamp(t, range.lo, range.hi));
    best = std::min(best, value(std::clamp(t + 1, range.lo, range.hi)));
    return best;
}

class Search {
public:
    Search(QPoint pointer, bool ignoreZeroLineEnds)
        : pointer_(pointer), ignoreZeroLineEnds_(ignoreZeroLineEnds)
    {
    }

    // Most candidates lose: they are turned away on their squared distance,
    // and only a new winner has its square root rounded.
    void offer(QPoint p, char kind, int row)
    {
        const std::int64_t dx = std::int64_t{p.x()} - pointer_.x();
        const std::int64_t dy = std::int64_t{p.y()} - pointer_.y();
        constexpr std::int64_t kFar = std::int64_t{1} << 31;
        if (dx > kFar || dx < -kFar || dy > kFar || dy < -kFar)
            return; // beyond any int distance
        const auto q = static_cast<std::uint64_t>(dx * dx) + static_cast<std::uint64_t>(dy * dy);
        if (best_ && (beatenBelow_ < 0 || q > static_cast<std::uint64_t>(beatenBelow_)))
            return;
        if (kind == 'L' && ignoreZeroLineEnds_ && q == 0)
            return;
        const std::uint64_t d = figmath::RoundedSqrt(q);
        if (d > static_cast<std::uint64_t>(kIntMax))
            return;
        win(KeyPoint{p, kind, static_cast<int>(d), row});
    }

    void offerArcEnd(QPoint centre, int radius, int degrees, int row)
    {
        const double t = degrees * std::numbers::pi / 180.0;
        const auto end =
            figmath::OffsetRounded(centre, radius * std::cos(t), -radius * std::sin(t));
        if (end)
            offer(*end, 'L', row);
    }

    // The nodes (x0 + i * size, y0 - j * size), i, j = 0 .. cells, visited in
    // the order i, then j, without visiting them: the squared distance splits
    // into an x part that depends on i alone and a y part on j alone.
    void offerGrid(QPoint origin, int cellCount, int size, int row)
    {
        if (cellCount < 0)
            return;
        const Wide s = size;
        const Range all{0, cellCount};
        // Only nodes inside the 32-bit plane can be reported.
        const Range is = Intersect(all, Solve(origin.x(), s, kIntMin, kIntMax));
        const Range js = Intersect(all, Solve(origin.y(), -s, kIntMin, kIntMax));
        if (is.empty() || js.empty())
            return;
        // x0 + i s - px = i s - tx and y0 - j s - py = -(j s - ty).
        const Wide tx = Wide{pointer_.x()} - origin.x();
        const Wide ty = Wide{origin.y()} - pointer_.y();
        const Wide dx2 = SmallestSquare(s, tx, is);
        const Wide dy2 = SmallestSquare(s, ty, js);
        const Wide q = dx2 + dy2;
        if (q > kIntMax * kIntMax + kIntMax)
            return; // the nearest node is too far to measure
        const Wide d = FloorSqrt(q) + (q - FloorSqrt(q) * FloorSqrt(q) > FloorSqrt(q) ? 1 : 0);
        if (best_ && d >= best_->distance)
            return;
        // Every node whose rounded distance is d ties with the nearest one:
        // exactly those with squared distance up to d^2 + d. The first of them
        // is on the smallest i that reaches that bound, at its smallest j.
        const Wide limit = d * d + d;
        const Wide wx = FloorSqrt(limit - dy2);
        const Wide i = Intersect(is, Solve(-tx, s, -wx, wx)).lo;
        const Wide ex = s * i - tx;
        const Wide wy = FloorSqrt(limit - ex * ex);
        const Wide j = Intersect(js, Solve(-ty, s, -wy, wy)).lo;
        const QPoint node(static_cast<int>(origin.x() + i * s),
                          static_cast<int>(origin.y() - j * s));
        win(KeyPoint{node, 'D', static_cast<int>(d), row, static_cast<int>(i),
                     static_cast<int>(j)});
    }

    const std::optional<KeyPoint>& best() const { return best_; }

private:
    void win(const KeyPoint& hit)
    {
        best_ = hit;
        // A rounded distance below d means a squared distance up to d^2 - d.
        const std::int64_t d = hit.distance;
        beatenBelow_ = d == 0 ? -1 : d * d - d;
    }

    QPoint pointer_;
    bool ignoreZeroLineEnds_;
    std::optional<KeyPoint> best_;
    std::int64_t beatenBelow_ = -1;
};

// Every vertex of a point list; an unpaired last number is no point.
void offerVertices(Search& search, const QString& list, int row)
{
    int x = 0;
    bool haveX = false;
    cells::ForEachNumber(list, [&](int value) {
        if (haveX)
            search.offer({x, value}, 'G', row);
        else
            x = value;
        haveX = !haveX;
    });
}

// The first and the last point of a list (the same point when it has one).
void offerCurveEnds(Search& search, const QString& list, int row)
{
    int index = 0;
    int x = 0;
    std::optional<QPoint> first;
    QPoint last;
    cells::ForEachNumber(list, [&](int value) {
        if (index % 2 == 0) {
            x = value;
        } else {
            last = QPoint(x, value);
            if (!first)
                first = last;
        }
        ++index;
    });
    if (!first)
        return;
    search.offer(*first, 'B', row);
    search.offer(last, 'B', row);
}

} // namespace

std::optional<KeyPoint> NearestKeyPoint(const ObjectTable& table, QPoint pointer,
                                        bool ignoreZeroDistanceLineEnds)
{
    Search search(pointer, ignoreZeroDistanceLineEnds);
    for (int r = 1; r < table.rows(); ++r) {
        if (!cells::Visible(table, r))
            continue;
        const RecordKindInfo* info = RowKindInfo(table, r);
        if (!info)
            continue;
        switch (info->keyPoints) {
        case KeyPoints::ArcEnds: {
            const QPoint centre = cells::Point(table, col::arc::CentreX, r, fallback::Coordinate);
            const int radius = cells::Int(table, col::arc::Radius, r, fallback::Size);
            search.offerArcEnd(centre, radius,
                               cells::Int(table, col::arc::Start, r, fallback::ArcStart), r);
            search.offerArcEnd(centre, radius,
                               cells::Int(table, col::arc::End, r, fallback::ArcEnd), r);
            break;
        }
        case KeyPoints::LineEnds:
            search.offer(cells::Point(table, col::line::X1, r, fallback::Coordinate), 'L', r);
            search.offer(cells::Point(table, col::line::X2, r, fallback::Coordinate), 'L', r);
            break;
        case KeyPoints::Vertices:
            offerVertices(search, table.cell(col::list::Points, r), r);
            break;
        case KeyPoints::CurveEnds:
            offerCurveEnds(search, table.cell(col::list::Points, r), r);
            break;
        case KeyPoints::GridNodes:
            search.offerGrid(cells::Point(table, col::grid::Left, r, fallback::Coordinate),
                             cells::Int(table, col::grid::Cells, r, fallback::Size),
                             cells::Int(table, col::grid::CellSize, r, fallback::Size), r);
            break;
        case KeyPoints::Anchor:
            search.offer(cells::Point(table, col::point::X, r, fallback::Coordinate), 'P', r);
            break;
        case KeyPoints::None:
            break;
        }
    }
    return search.best();
}

} // namespace kel
