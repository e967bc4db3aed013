#include "figures/Circles.h"
#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/ObjectTransforms.h"
#include "figures/Perpendiculars.h"
#include "figures/TableCells.h"
#include "model/AttributeStrings.h"
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
        NewRow row;
        row[1] = QStringLiteral("Y");
        row[2] = table_.cell(2, r);
        row[3] = table_.cell(3, r);
        switch (cells::Letter(table_, r).unicode()) {
        case u'L': {
            const QPoint e1 = cells::Point(table_, 4, r, 100);
            const QPoint e2 = cells::Point(table_, 6, r, 100);
            if ((e1 == l1_ && e2 == l2_) || (e1 == l2_ && e2 == l1_))
                return std::nullopt; // the mirror line itself
            put(row, 4, mirrored(e1));
            put(row, 6, mirrored(e2));
            break;
        }
        case u'P':
            put(row, 4, mirrored(cells::Point(table_, 4, r, 100)));
            break;
        case u'F':
            put(row, 4, mirrored(cells::Point(table_, 4, r, 100)));
            row[6] = table_.cell(6, r);
            break;
        case u'C':
            put(row, 4, mirrored(cells::Point(table_, 4, r, 100)));
            row[6] = table_.cell(6, r);
            row[7] = table_.cell(7, r);
            break;
        case u'B':
        case u'G':
        case u'K':
        case u'N':
            row[4] = mirroredList(table_.cell(4, r));
            // A polygon keeps its fill.
            row[5] = cells::Letter(table_, r) == u'N' ? table_.cell(5, r) : QString();
            break;
        case u'T':
            put(row, 3, mirrored(cells::Point(table_, 3, r, 100)));
            for (int c = 5; c <= 10; ++c)
                row[c] = table_.cell(c, r);
            break;
        case u'A':
            mirrorArc(row, r);
            break;
        default:
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
        const QPoint centre = cells::Point(table_, 4, r, 100);
        const int radius = cells::Int(table_, 8, r, 100);
        const std::optional<QPoint> s = arcPoint(centre, radius, cells::Int(table_, 6, r, 30));
        const std::optional<QPoint> e = arcPoint(centre, radius, cells::Int(table_, 7, r, 90));
        if (!s || !e) {
            failed_ = true;
            return;
        }
        const QPoint newCentre = mirrored(centre);
        const QPoint newStart = mirrored(*e);
        const QPoint newEnd = mirrored(*s);
        const auto reach = static_cast<int>(std::min<std::int64_t>(IntAbs(radius), 2147483647));
        put(row, 4, newCentre);
        row[6] = QString::number(AngleOnCircle(newCentre, reach, newStart));
        row[7] = QString::number(AngleOnCircle(newCentre, reach, newEnd));
        row[8] = table_.cell(8, r);
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
