#include "figures/FigureMath.h"
#include "figures/Measures.h"
#include "figures/ObjectTransforms.h"
#include "figures/TableCells.h"
#include "figures/Transforms.h"
#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace kel {

namespace {

using figmath::Wide;

constexpr int kSmallestZoom = 3; // percent

struct CellWrite {
    int row;
    int column;
    QString text;
};

// The writes for one crop-area transform, worked out row by row from the
// scratch table. The first bad cell or out-of-plane result stops the plan
// with its reason; nothing is written until the whole plan stands.
class Plan {
public:
    Plan(const ObjectTable& scratch, CropTransform kind, int value, QPoint topLeft, QPoint centre)
        : src_(scratch), kind_(kind), value_(value), topLeft_(topLeft), centre_(centre)
    {
    }

    bool addRow(int r, int target)
    {
        row_ = r;
        target_ = target;
        const bool zoom = kind_ == CropTransform::Zoom;
        const std::optional<RecordKind> kind = RowKind(src_, r);
        if (!kind)
            return true; // unknown letters stay as they are
        switch (*kind) {
        case RecordKind::Line:
            return points(col::line::X1, 2);
        case RecordKind::Rectangle:
        case RecordKind::RoundRect:
        case RecordKind::FocusRect:
        case RecordKind::Ellipse:
            return !zoom || points(col::box::X1, 2);
        case RecordKind::Arc:
            return zoom ? points(col::arc::CentreX, 1) && scaled(col::arc::Radius) : rotateArc();
        case RecordKind::Circle:
            return points(col::circle::CentreX, 1) && (!zoom || scaled(col::circle::Radius));
        case RecordKind::Grid:
            return !zoom || (points(col::grid::Left, 1) && scaled(col::grid::CellSize));
        case RecordKind::Fill:
            return points(col::fill::X, 1);
        case RecordKind::Point:
            return points(col::point::X, 1);
        case RecordKind::Bezier:
        case RecordKind::Polyline:
        case RecordKind::Polygon:
            return pointList();
        case RecordKind::Text:
            return zoom ? points(col::text::X, 1) && scaled(col::text::Size) : turnText();
        case RecordKind::EmfPicture:
            if (zoom)
                write(col::picture::Zoom, QString::number(value_));
            return true;
        case RecordKind::Polynomial:
        case RecordKind::Label:
        case RecordKind::Block:
        case RecordKind::JpgPicture:
        case RecordKind::BitmapPicture:
            return true; // these stay as they are
        }
        return true;
    }

    const std::vector<CellWrite>& writes() const { return writes_; }
    const QString& error() const { return error_; }
    void fail(const QString& reason) { error_ = reason; }

private:
    std::optional<int> number(int column)
    {
        const std::optional<int> value = cells::StrictInt(src_, column, row_);
        if (!value)
            fail(QStringLiteral("'%1' is not a valid integer value").arg(src_.cell(column, row_)));
        return value;
    }

    std::optional<QPoint> point(int column)
    {
        const std::optional<int> x = number(column);
        if (!x)
            return std::nullopt;
        const std::optional<int> y = number(column + 1);
        if (!y)
            return std::nullopt;
        return QPoint(*x, *y);
    }

    std::optional<QPoint> moved(QPoint p)
    {
        const std::optional<QPoint> result =
            kind_ == CropTransform::Zoom
                ? ScaleAbout(p, topLeft_, topLeft_, value_)
                : RotateAboutRadians(p, centre_, value_ * std::numbers::pi / 180.0);
        if (!result)
            fail(QStringLiteral("Range check error"));
        return result;
    }

    void write(int column, const QString& text) { writes_.push_back({target_, column, text}); }

    void writePoint(int column, QPoint p)
    {
        write(column, QString::number(p.x()));
        write(column + 1, QString::number(p.y()));
    }

    // `count` points stored from `column` on, each moved.
    bool points(int column, int count)
    {
        for (int k = 0; k < count; ++k) {
            const std::optional<QPoint> p = point(column + 2 * k);
            const std::optional<QPoint> q = p ? moved(*p) : std::nullopt;
            if (!q)
                return false;
            writePoint(column + 2 * k, *q);
        }
        return true;
    }

    // A size cell multiplied by the percentage, its sign kept. A size never
    // shrinks to 0: a radius of 0 would read as a filled circle.
    bool scaled(int column)
    {
        const std::optional<int> size = number(column);
        if (!size)
            return false;
        Wide result = Wide{*size} * value_ / 100;
        if (*size > 0)
            result = std::max<Wide>(result, 1);
        else if (*size < 0)
            result = std::min<Wide>(result, -1);
        const std::optional<int> narrowed = figmath::Narrow(result);
        if (!narrowed) {
            fail(QStringLiteral("Range check error"));
            return false;
        }
        write(column, QString::number(*narrowed));
        return true;
    }

    bool pointList()
    {
        const std::vector<int> numbers = ParseNumberList(src_.cell(col::list::Points, row_));
        std::vector<QPoint> result;
        for (std::size_t k = 0; k + 1 < numbers.size(); k += 2) {
            const std::optional<QPoint> q = moved({numbers[k], numbers[k + 1]});
            if (!q)
                return false;
            result.push_back(*q);
        }
        write(col::list::Points, MakePointList(result));
        return true;
    }

    // The centre and the two end points turn; the angles are read back from
    // the turned ends around the turned centre.
    bool rotateArc()
    {
        using namespace col::arc;
        const std::optional<QPoint> c = point(CentreX);
        const std::optional<int> a1 = c ? number(Start) : std::nullopt;
        const std::optional<int> a2 = a1 ? number(End) : std::nullopt;
        const std::optional<int> r = a2 ? number(Radius) : std::nullopt;
        if (!r)
            return false;
        auto arcEnd = [&](int degrees) {
            const double t = degrees * std::numbers::pi / 180.0;
            const auto p = figmath::OffsetRounded(*c, *r * std::cos(t), -*r * std::sin(t));
            if (!p)
                fail(QStringLiteral("Range check error"));
            return p;
        };
        const std::optional<QPoint> s = arcEnd(*a1);
        const std::optional<QPoint> e = s ? arcEnd(*a2) : std::nullopt;
        const std::optional<QPoint> nc = e ? moved(*c) : std::nullopt;
        const std::optional<QPoint> ns = nc ? moved(*s) : std::nullopt;
        const std::optional<QPoint> ne = ns ? moved(*e) : std::nullopt;
        if (!ne)
            return false;
        const auto corner1 = figmath::MakePoint(Wide{nc->x()} - *r, Wide{nc->y()} - *r);
        const auto corner2 = figmath::MakePoint(Wide{nc->x()} + *r, Wide{nc->y()} + *r);
        if (!corner1 || !corner2) {
            fail(QStringLiteral("Range check error"));
            return false;
        }
        const AnglePair angles = BoxCentreAngles(*corner1, *corner2, *ns, *ne);
        writePoint(CentreX, *nc);
        write(Start, QString::number(angles.first));
        write(End, QString::number(angles.second));
        return true;
    }

    // Text turns with the area: its angle (counter-clockwise) drops by the
    // rotation, kept within 0..359.
    bool turnText()
    {
        const std::optional<int> angle = number(col::text::Angle);
        if (!angle)
            return false;
        Wide turned = (Wide{*angle} - value_) % 360;
        if (turned < 0)
            turned += 360;
        write(col::text::Angle, QString::number(static_cast<int>(turned)));
        return true;
    }

    const ObjectTable& src_;
    CropTransform kind_;
    int value_;
    QPoint topLeft_;
    QPoint centre_;
    int row_ = 0;
    int target_ = 0;
    std::vector<CellWrite> writes_;
    QString error_;
};

} // namespace

TableEditResult TransformCropObjects(Document& doc, CropTransform kind, int value,
                                     QPoint areaTopLeft, QPoint rotationCentre)
{
    const ObjectTable& scratch = doc.scratch;
    if (kind == CropTransform::Zoom)
        value = std::max(value, kSmallestZoom);
    Plan plan(scratch, kind, value, areaTopLeft, rotationCentre);
    for (int r = 1; r < scratch.rows(); ++r) {
        if (!cells::Visible(scratch, r))
            continue;
        const std::optional<int> target = cells::StrictInt(scratch, col::Number, r);
        if (!target || *target < 1 || *target >= doc.table.rows() || !doc.table.inUse(*target)) {
            return {false, QStringLiteral("Scratch row %1 names no object row").arg(r)};
        }
        if (!plan.addRow(r, *target))
            return {false, plan.error()};
    }
    bool changed = false;
    ObjectTable::BulkUpdate bulk(doc.table);
    for (const CellWrite& w : plan.writes()) {
        if (doc.table.cell(w.column, w.row) != w.text) {
            doc.table.setCell(w.column, w.row, w.text);
            changed = true;
        }
    }
    return {changed, {}};
}

} // namespace kel
