#include "figures/TableQueries.h"

#include "figures/Circles.h"
#include "figures/FigureMath.h"
#include "figures/Perpendiculars.h"
#include "figures/TableCells.h"
#include "model/RowRoutines.h"

namespace kel {

namespace {

// Keeps the strictly nearest candidate, so the earliest one wins ties.
void Offer(std::optional<RowHit>& best, int row, const std::optional<MeasuredPoint>& candidate)
{
    if (candidate && (!best || candidate->distance < best->distance))
        best = RowHit{row, candidate->point, candidate->distance};
}

template <typename Measure>
std::optional<RowHit> Nearest(const ObjectTable& table, char16_t letter, Measure measure)
{
    std::optional<RowHit> best;
    for (int r = 1; r < table.rows(); ++r) {
        if (cells::Visible(table, r) && cells::Letter(table, r) == letter)
            Offer(best, r, measure(r));
    }
    return best;
}

} // namespace

std::optional<RowHit> NearestLine(const ObjectTable& table, QPoint p)
{
    return Nearest(table, u'L', [&](int r) {
        return PerpendicularFoot(p, cells::Point(table, 4, r, 100), cells::Point(table, 6, r, 100));
    });
}

std::optional<RowHit> NearestCircle(const ObjectTable& table, QPoint p)
{
    // A filled circle keeps its radius negated; only its square counts here.
    return Nearest(table, u'C', [&](int r) {
        return NearestPointOnCircle(cells::Point(table, 4, r, 100), cells::Int(table, 6, r, 100),
                                    p);
    });
}

std::optional<RowHit> NearestArc(const ObjectTable& table, QPoint p)
{
    return Nearest(table, u'A', [&](int r) {
        return NearestPointOnCircle(cells::Point(table, 4, r, 100), cells::Int(table, 8, r, 100),
                                    p);
    });
}

std::vector<LineEnd> FindLineEnds(const ObjectTable& table, QPoint p)
{
    std::vector<LineEnd> ends;
    for (int r = 1; r < table.rows(); ++r) {
        if (!cells::Visible(table, r) || cells::Letter(table, r) != u'L')
            continue;
        if (cells::Point(table, 4, r, 100) == p)
            ends.push_back({r, 0});
        else if (cells::Point(table, 6, r, 100) == p)
            ends.push_back({r, 1});
    }
    return ends;
}

int MoveLineEnds(ObjectTable& table, QPoint from, QPoint to)
{
    const std::vector<LineEnd> ends = FindLineEnds(table, from);
    if (ends.empty())
        return 0;
    ObjectTable::BulkUpdate bulk(table);
    for (const LineEnd& end : ends) {
        const int column = end.end == 0 ? 4 : 6;
        table.setCell(column, end.row, to.x());
        table.setCell(column + 1, end.row, to.y());
    }
    return static_cast<int>(ends.size());
}

int DivideSegment(Document& doc, QPoint a, QPoint b, int n)
{
    using figmath::Wide;
    int appended = 0;
    for (int i = 1; i < n; ++i) {
        // Weighted means of two ints stay between them, so they fit.
        const auto x = static_cast<int>((Wide{i} * a.x() + Wide{n - i} * b.x()) / n);
        const auto y = static_cast<int>((Wide{i} * a.y() + Wide{n - i} * b.y()) / n);
        AddPointRow(doc, x, y);
        ++appended;
    }
    return appended;
}

} // namespace kel
