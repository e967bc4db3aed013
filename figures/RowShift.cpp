#include "figures/RowShift.h"

#include "figures/FigureMath.h"
#include "figures/TableCells.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"

namespace kel {

namespace {

using figmath::Wide;

class Shifter {
public:
    Shifter(const ObjectTable& table, int row, QPoint offset)
        : table_(table), row_(row), offset_(offset)
    {
        for (int c = 0; c < kTableColumns; ++c)
            cells_[static_cast<std::size_t>(c)] = table.cell(c, row);
    }

    // `count` points stored from `column` on.
    bool points(int column, int count)
    {
        for (int k = 0; k < count; ++k) {
            const QPoint p = cells::Point(table_, column + 2 * k, row_, fallback::Coordinate);
            const std::optional<QPoint> q = moved(p);
            if (!q)
                return false;
            put(column + 2 * k, *q);
        }
        return true;
    }

    bool pointList(int column)
    {
        const std::vector<int> numbers = ParseNumberList(table_.cell(column, row_));
        std::vector<QPoint> result;
        result.reserve(numbers.size() / 2);
        for (std::size_t k = 0; k + 1 < numbers.size(); k += 2) {
            const std::optional<QPoint> q = moved({numbers[k], numbers[k + 1]});
            if (!q)
                return false;
            result.push_back(*q);
        }
        cells_[static_cast<std::size_t>(column)] = MakePointList(result);
        return true;
    }

    RowCells& cells() { return cells_; }

private:
    std::optional<QPoint> moved(QPoint p) const
    {
        return figmath::MakePoint(Wide{p.x()} + offset_.x(), Wide{p.y()} + offset_.y());
    }

    void put(int column, QPoint p)
    {
        cells_[static_cast<std::size_t>(column)] = QString::number(p.x());
        cells_[static_cast<std::size_t>(column + 1)] = QString::number(p.y());
    }

    const ObjectTable& table_;
    int row_;
    QPoint offset_;
    RowCells cells_;
};

// Shifts the cells that place a row of the kind; false when a point leaves
// the plane.
bool shiftKind(Shifter& shift, RecordKind kind)
{
    switch (kind) {
    case RecordKind::Line:
    case RecordKind::Rectangle:
    case RecordKind::RoundRect:
    case RecordKind::FocusRect:
    case RecordKind::Ellipse:
        return shift.points(col::box::X1, 2);
    case RecordKind::Block:
        return shift.points(col::block::X1, 2);
    case RecordKind::Arc:
        return shift.points(col::arc::CentreX, 1);
    case RecordKind::Circle:
        return shift.points(col::circle::CentreX, 1);
    case RecordKind::Grid:
        return shift.points(col::grid::Left, 1);
    case RecordKind::Fill:
        return shift.points(col::fill::X, 1);
    case RecordKind::Point:
        return shift.points(col::point::X, 1);
    case RecordKind::Text:
        return shift.points(col::text::X, 1);
    case RecordKind::Label:
        return shift.points(col::label::X, 1);
    case RecordKind::EmfPicture:
    case RecordKind::JpgPicture:
    case RecordKind::BitmapPicture:
        return shift.points(col::picture::X, 1);
    case RecordKind::Bezier:
    case RecordKind::Polyline:
    case RecordKind::Polygon:
    case RecordKind::Polynomial:
        return shift.pointList(col::list::Points);
    }
    return true;
}

} // namespace

ShiftResult ShiftScratchRows(const ObjectTable& scratch, QPoint offset)
{
    ShiftResult result;
    const int last = scratch.lastRowInUse();
    for (int r = 1; r <= last; ++r) {
        if (!cells::Visible(scratch, r))
            continue;
        const std::optional<int> source = cells::StrictInt(scratch, col::Number, r);
        if (!source || *source < 1)
            return {{}, QStringLiteral("Scratch row %1 names no object row").arg(r)};
        Shifter shift(scratch, r, offset);
        const std::optional<RecordKind> kind = RowKind(scratch, r);
        if (kind && !shiftKind(shift, *kind))
            return {{}, QStringLiteral("Range check error")};
        result.rows.push_back({*source, std::move(shift.cells())});
    }
    return result;
}

} // namespace kel
