#include "figures/TableQueries.h"

#include "figures/Circles.h"
#include "figures/Perpendiculars.h"
#include "figures/TableCells.h"
#include "model/RecordKinds.h"

namespace kel {

namespace {

// Keeps the strictly nearest candidate, so the earliest one wins ties.
void Offer(std::optional<RowHit>& best, int row, const std::optional<MeasuredPoint>& candidate)
{
    if (candidate && (!best || candidate->distance < best->distance))
        best = RowHit{row, candidate->point, candidate->distance};
}

template <typename Measure>
std::optional<RowHit> Nearest(const ObjectTable& table, RecordKind kind, Measure measure)
{
    std::optional<RowHit> best;
    for (int r = 1; r < table.rows(); ++r) {
        if (cells::Visible(table, r) && RowKind(table, r) == kind)
            Offer(best, r, measure(r));
    }
    return best;
}

} // namespace

int LineEndColumn(int end)
{
    return end == 0 ? col::line::X1 : col::line::X2;
}

QPoint LineEndPoint(const ObjectTable& table, int row, int end)
{
    return cells::Point(table, LineEndColumn(end), row, fallback::Coordinate);
}

std::optional<RowHit> NearestLine(const ObjectTable& table, QPoint p)
{
    return Nearest(table, RecordKind::Line, [&](int r) {
        return PerpendicularFoot(p, LineEndPoint(table, r, 0), LineEndPoint(table, r, 1));
    });
}

std::optional<RowHit> NearestCircle(const ObjectTable& table, QPoint p)
{
    // A filled circle keeps its radius negated; only its square counts here.
    return Nearest(table, RecordKind::Circle, [&](int r) {
        using namespace col::circle;
        return NearestPointOnCircle(cells::Point(table, CentreX, r, fallback::Coordinate),
                                    cells::Int(table, Radius, r, fallback::Size), p);
    });
}

std::optional<RowHit> NearestArc(const ObjectTable& table, QPoint p)
{
    return Nearest(table, RecordKind::Arc, [&](int r) {
        using namespace col::arc;
        return NearestPointOnCircle(cells::Point(table, CentreX, r, fallback::Coordinate),
                                    cells::Int(table, Radius, r, fallback::Size), p);
    });
}

std::vector<LineEnd> FindLineEnds(const ObjectTable& table, QPoint p)
{
    std::vector<LineEnd> ends;
    for (int r = 1; r < table.rows(); ++r) {
        if (!cells::Visible(table, r) || RowKind(table, r) != RecordKind::Line)
            continue;
        if (LineEndPoint(table, r, 0) == p)
            ends.push_back({r, 0});
        else if (LineEndPoint(table, r, 1) == p)
            ends.push_back({r, 1});
    }
    return ends;
}

void SetLineEnds(ObjectTable& table, const std::vector<LineEnd>& ends, QPoint to)
{
    if (ends.empty())
        return;
    ObjectTable::BulkUpdate bulk(table);
    for (const LineEnd& end : ends) {
        table.setCell(LineEndColumn(end.end), end.row, to.x());
        table.setCell(LineEndColumn(end.end) + 1, end.row, to.y());
    }
}

} // namespace kel
