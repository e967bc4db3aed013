#include "interaction/picking/ObjectPicker.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "render/CurveMath.h"
#include "render/OffsetCanvas.h"
#include "render/RasterCanvas.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace kel {

namespace {

// The scratch image around the pointer starts on a multiple of 8, so the
// 8 x 8 hatches fall exactly as on the full-size image.
constexpr int kHatchPeriod = 8;
constexpr int kScratchSide = 2 * ObjectPicker::kReach + 1 + kHatchPeriod;

int floorTo(int value, int period)
{
    const int rest = ((value % period) + period) % period;
    return value - rest;
}

bool whiteAt(const Canvas& canvas, QPoint at)
{
    const std::optional<Colour> colour = canvas.pixel(at);
    return !colour || (*colour & 0xFFFFFFu) == kWhite;
}

} // namespace

ObjectPicker::ObjectPicker(const ObjectTable& table, Renderer& renderer)
    : table_(table), renderer_(renderer)
{
}

int ObjectPicker::lastRow() const
{
    for (int row = table_.rows() - 1; row >= 1; --row) {
        if (table_.inUse(row))
            return row;
    }
    return 1;
}

bool ObjectPicker::candidate(int row, QChar letter) const
{
    const QString& type = table_.cell(kTypeColumn, row);
    return table_.cell(kStateColumn, row) == QLatin1String("Y") && !type.isEmpty() &&
           type.front() == letter;
}

void ObjectPicker::drawCandidate(Canvas& canvas, int row)
{
    if (RowKind(table_, row) != RecordKind::Fill) {
        renderer_.drawRow(canvas, row);
        return;
    }
    // A fill is found at its seed only: a small cross, not the filled area.
    CurrentAttributes pen;
    ParsePenAttr(pen, table_.cell(col::fill::Attributes, row));
    const int x = table_.intCell(col::fill::X, row, fallback::Coordinate);
    const int y = table_.intCell(col::fill::Y, row, fallback::Coordinate);
    canvas.setPen({pen.penColour, std::max(pen.penWidth, 1),
                   pen.penWidth == 0 ? PenStyle::Dotted : PenStyle::Solid});
    canvas.line({x - 3, y}, {x + 3, y});
    canvas.line({x, y - 2}, {x, y + 2});
}

ObjectPicker::Bounds ObjectPicker::computeBounds(int row) const
{
    Bounds box;
    const RecordKindInfo* info = RowKindInfo(table_, row);
    if (!info) {
        box.unbounded = true;
        return box;
    }
    CurrentAttributes pen;
    ParsePenAttr(pen, table_.cell(col::Pen, row));
    // Pen widths above the one digit a cell keeps cannot occur; points and
    // markers reach a few pixels beyond their centre.
    const qint64 margin = std::max(pen.penWidth, 1) + 4;
    auto cell = [&](int column) {
        return qint64(table_.intCell(column, row, fallback::Coordinate));
    };
    auto around = [&](qint64 x, qint64 y, qint64 reach) {
        box = {x - reach, y - reach, x + reach, y + reach, false};
    };
    auto spanning = [&](qint64 x1, qint64 y1, qint64 x2, qint64 y2) {
        box = {std::min(x1, x2) - margin, std::min(y1, y2) - margin, std::max(x1, x2) + margin,
               std::max(y1, y2) + margin, false};
    };
    switch (info->family) {
    case KindFamily::TwoCorners:
        spanning(cell(col::box::X1), cell(col::box::Y1), cell(col::box::X2), cell(col::box::Y2));
        break;
    case KindFamily::Circle:
        around(cell(col::circle::CentreX), cell(col::circle::CentreY),
               std::llabs(cell(col::circle::Radius)) + margin);
        break;
    case KindFamily::Arc:
        around(cell(col::arc::CentreX), cell(col::arc::CentreY),
               std::llabs(cell(col::arc::Radius)) + margin);
        break;
    case KindFamily::Grid: {
        using namespace col::grid;
        const qint64 span = std::llabs(cell(Cells)) * std::llabs(cell(CellSize));
        spanning(cell(Left), cell(Bottom), cell(Left) + span, cell(Bottom) - span);
        break;
    }
    case KindFamily::Point: {
        bool ok = false;
        const int shape = table_.cell(col::point::Shape, row).toInt(&ok);
        around(cell(col::point::X), cell(col::point::Y), (ok ? std::llabs(shape) : 0) + 8);
        break;
    }
    case KindFamily::Fill:
        around(cell(col::fill::X), cell(col::fill::Y), margin + 3);
        break;
    case KindFamily::Bezier: {
        // The curve passes through the stored points; its control points,
        // which bound it, may lie outside them.
        const std::vector<int> numbers = ParseNumberList(table_.cell(col::list::Points, row));
        if (numbers.size() != 8) {
            box.unbounded = true;
            break;
        }
        const BezierRecordPoints stored{
            QPoint(numbers[0], numbers[1]), QPoint(numbers[2], numbers[3]),
            QPoint(numbers[4], numbers[5]), QPoint(numbers[6], numbers[7])};
        const BezierControls controls = BezierControlPoints(stored);
        const std::array<std::pair<qint64, qint64>, 4> hull = {{{numbers[0], numbers[1]},
                                                                {controls.c1.x, controls.c1.y},
                                                                {controls.c2.x, controls.c2.y},
                                                                {numbers[6], numbers[7]}}};
        qint64 left = hull[0].first, right = left, top = hull[0].second, bottom = top;
        for (const auto& [x, y] : hull) {
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        spanning(left, top, right, bottom);
        break;
    }
    case KindFamily::PointList: {
        const std::vector<int> numbers = ParseNumberList(table_.cell(col::list::Points, row));
        if (numbers.size() < 2) {
            box.unbounded = true;
            break;
        }
        qint64 left = numbers[0], right = numbers[0], top = numbers[1], bottom = numbers[1];
        for (size_t i = 0; i + 1 < numbers.size(); i += 2) {
            left = std::min<qint64>(left, numbers[i]);
            right = std::max<qint64>(right, numbers[i]);
            top = std::min<qint64>(top, numbers[i + 1]);
            bottom = std::max<qint64>(bottom, numbers[i + 1]);
        }
        spanning(left, top, right, bottom);
        break;
    }
    default:
        box.unbounded = true;
    }
    return box;
}

const ObjectPicker::Bounds& ObjectPicker::bounds(int row)
{
    if (boundsRevision_ != table_.revision() || bounds_.size() != size_t(table_.rows())) {
        boundsRevision_ = table_.revision();
        bounds_.assign(size_t(table_.rows()), Bounds{});
        known_.assign(size_t(table_.rows()), false);
    }
    if (!known_[size_t(row)]) {
        bounds_[size_t(row)] = computeBounds(row);
        known_[size_t(row)] = true;
    }
    return bounds_[size_t(row)];
}

int ObjectPicker::pick(QPoint pointer, QChar letter, QSize bitmapSize)
{
    const QPoint origin(floorTo(pointer.x() - kReach, kHatchPeriod),
                        floorTo(pointer.y() - kReach, kHatchPeriod));
    RasterCanvas scratch(QSize(kScratchSide, kScratchSide));
    OffsetCanvas shifted(scratch, origin);
    const qint64 px = pointer.x(), py = pointer.y();
    const int last = lastRow();
    for (int row = 1; row <= last; ++row) {
        if (!candidate(row, letter))
            continue;
        const Bounds& box = bounds(row);
        if (!box.unbounded && (box.right < px - kReach || box.left > px + kReach ||
                               box.bottom < py - kReach || box.top > py + kReach))
            continue;
        drawCandidate(shifted, row);
        for (int dx = -kReach; dx <= kReach; ++dx) {
            for (int dy = -kReach; dy <= kReach; ++dy) {
                const QPoint at = pointer + QPoint(dx, dy);
                if (at.x() < 0 || at.y() < 0 || at.x() >= bitmapSize.width() ||
                    at.y() >= bitmapSize.height())
                    continue;
                if (!whiteAt(shifted, at))
                    return row;
            }
        }
    }
    return -1;
}

int ObjectPicker::pickLiteral(QPoint pointer, QChar letter, QSize bitmapSize)
{
    RasterCanvas scratch(bitmapSize);
    const int last = lastRow();
    for (int row = 1; row <= last; ++row) {
        if (!candidate(row, letter))
            continue;
        drawCandidate(scratch, row);
        for (int dx = -kReach; dx <= kReach; ++dx) {
            for (int dy = -kReach; dy <= kReach; ++dy) {
                const QPoint at = pointer + QPoint(dx, dy);
                if (!whiteAt(scratch, at))
                    return row;
            }
        }
    }
    return -1;
}

} // namespace kel
