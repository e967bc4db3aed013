#include "figures/Circles.h"
#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/ObjectTransforms.h"
#include "figures/Perpendiculars.h"
#include "figures/TableCells.h"
#include "figures/TableQueries.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace kel {

namespace {

using NewRow = std::array<QString, kTableColumns>;

const QString kRangeError = QStringLiteral("Range check error");

class Mirror {
public:
    Mirror(const ObjectTable& table, const ConstructionState& state)
        : table_(table), l1_(state.point(0)), l2_(state.point(1))
    {
    }

    // The copy of row r, or nothing when the row gets none. Sets failed()
    // when a mirrored point leaves the 32-bit plane.
    std::optional<NewRow> copyOf(int r)
    {
        const std::optional<RecordKind> kind = RowKind(table_, r);
        if (!kind)
            return std::nullopt;
        NewRow row;
        row[col::State] = QStringLiteral("Y");
        row[col::Type] = table_.cell(col::Type, r);
        row[col::Pen] = table_.cell(col::Pen, r); // or the text's x, mirrored below
        switch (*kind) {
        case RecordKind::Line: {
            const QPoint e1 = LineEndPoint(table_, r, 0);
            const QPoint e2 = LineEndPoint(table_, r, 1);
            if ((e1 == l1_ && e2 == l2_) || (e1 == l2_ && e2 == l1_))
                return std::nullopt; // the mirror line itself
            put(row, col::line::X1, mirrored(e1));
            put(row, col::line::X2, mirrored(e2));
            break;
        }
        case RecordKind::Point:
            mirrorPoint(row, r, col::point::X);
            break;
        case RecordKind::Fill:
            mirrorPoint(row, r, col::fill::X);
            keep(row, r, col::fill::Border);
            break;
        case RecordKind::Circle:
            mirrorPoint(row, r, col::circle::CentreX);
            keep(row, r, col::circle::Radius);
            keep(row, r, col::circle::Brush);
            break;
        case RecordKind::Bezier:
        case RecordKind::Polyline:
        case RecordKind::Polynomial:
            row[col::list::Points] = mirroredList(table_.cell(col::list::Points, r));
            break;
        case RecordKind::Polygon:
            row[col::polygon::Points] = mirroredList(table_.cell(col::polygon::Points, r));
            keep(row, r, col::polygon::Brush);
            break;
        case RecordKind::Text:
            mirrorPoint(row, r, col::text::X);
            for (int c = col::text::Size; c <= col::text::Angle; ++c)
                keep(row, r, c);
            break;
        case RecordKind::Arc:
            mirrorArc(row, r);
            break;
        default: // the other kinds get no copy
            return std::nullopt;
        }
        return row;
    }

    bool failed() const { return failed_; }

private:
    QPoint mirrored(QPoint p)
    {
        const std::optional<QPoint> image = MirrorPoint(p, l1_, l2_);
        if (!image) {
            failed_ = true;
            return p;
        }
        return *image;
    }

    static void put(NewRow& row, int column, QPoint p)
    {
        row[column] = QString::number(p.x());
        row[column + 1] = QString::number(p.y());
    }

    // The point stored from `column` on, mirrored.
    void mirrorPoint(NewRow& row, int r, int column)
    {
        put(row, column, mirrored(cells::Point(table_, column, r, fallback::Coordinate)));
    }

    void keep(NewRow& row, int r, int column) const { row[column] = table_.cell(column, r); }

    QString mirroredList(const QString& list)
    {
        const std::vector<int> numbers = ParseNumberList(list);
        std::vector<QPoint> points;
        for (std::size_t k = 0; k + 1 < numbers.size(); k += 2)
            points.push_back(mirrored({numbers[k], numbers[k + 1]}));
        return MakePointList(points);
    }

    std::optional<QPoint> arcPoint(QPoint centre, int radius, int degrees)
    {
        const double t = degrees * std::numbers::pi / 180.0;
        return figmath::OffsetRounded(centre, radius * std::cos(t), -radius * std::sin(t));
    }

    // The arc's start S and end E are mirrored with its centre. A mirror
    // image runs the other way round: drawn counter-clockwise it starts at E'
    // and ends at S', whatever the stored angles were (also beyond 0..359).
    void mirrorArc(NewRow& row, int r)
    {
        using namespace col::arc;
        const QPoint centre = cells::Point(table_, CentreX, r, fallback::Coordinate);
        const int radius = cells::Int(table_, Radius, r, fallback::Size);
        const std::optional<QPoint> s =
            arcPoint(centre, radius, cells::Int(table_, Start, r, fallback::ArcStart));
        const std::optional<QPoint> e =
            arcPoint(centre, radius, cells::Int(table_, End, r, fallback::ArcEnd));
        if (!s || !e) {
            failed_ = true;
            return;
        }
        const QPoint newCentre = mirrored(centre);
        const QPoint newStart = mirrored(*e);
        const QPoint newEnd = mirrored(*s);
        const auto reach = static_cast<int>(std::min<std::int64_t>(IntAbs(radius), 2147483647));
        put(row, CentreX, newCentre);
        row[Start] = QString::number(AngleOnCircle(newCentre, reach, newStart));
        row[End] = QString::number(AngleOnCircle(newCentre, reach, newEnd));
        keep(row, r, Radius);
    }

    const ObjectTable& table_;
    QPoint l1_;
    QPoint l2_;
    bool failed_ = false;
};

} // namespace

TableEditResult MirrorTaggedObjects(Document& doc, const ConstructionState& state)
{
    Mirror mirror(doc.table, state);
    std::vector<NewRow> copies;
    for (int r = 1; r < doc.table.rows(); ++r) {
        if (!doc.table.tagged(r))
            continue;
        if (std::optional<NewRow> copy = mirror.copyOf(r))
            copies.push_back(std::move(*copy));
        if (mirror.failed())
            return {false, kRangeError};
    }
    if (copies.empty())
        return {};
    ObjectTable::BulkUpdate bulk(doc.table);
    for (const NewRow& copy : copies) {
        const int r = FindFreeRow(doc);
        for (int c = 1; c < kTableColumns; ++c)
            doc.table.setCell(c, r, copy[static_cast<std::size_t>(c)]);
    }
    return {true, {}};
}

} // namespace kel
