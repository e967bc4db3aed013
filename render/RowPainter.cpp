#include "render/RowPainter.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "render/CurveDrawers.h"
#include "render/ShapeDrawers.h"
#include "render/TextDrawers.h"

#include <algorithm>
#include <limits>
#include <new>

namespace kel {

namespace {

constexpr Colour kRed = 0x0000FF;

bool FitsInt(long long v)
{
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

} // namespace

RowPainter::RowPainter(const ObjectTable& table, CurrentAttributes& current, PictureCache& pictures)
    : table_(table), current_(current), pictures_(pictures)
{
}

void RowPainter::leaveOutIf(const std::optional<QString>& reason) const
{
    if (reason)
        throw Problem{*reason};
}

int RowPainter::number(int column, int defaultValue) const
{
    return table_.intCell(column, row_, defaultValue);
}

int RowPainter::strictNumber(int column) const
{
    bool ok = false;
    const int value = cell(column).toInt(&ok, 10);
    if (!ok)
        throw Problem{QStringLiteral("'%1' is not a valid integer value").arg(cell(column))};
    return value;
}

int RowPainter::shifted(long long value, bool vertical) const
{
    const long long moved = value - (vertical ? offset_.y() : offset_.x());
    if (!FitsInt(moved))
        throw Problem{QStringLiteral("coordinate %1 is out of range").arg(moved)};
    return static_cast<int>(moved);
}

int RowPainter::coordinate(int column, int defaultValue, bool vertical) const
{
    return shifted(number(column, defaultValue), vertical);
}

QPoint RowPainter::point(int xColumn, int yColumn) const
{
    return {coordinate(xColumn, fallback::Coordinate, false),
            coordinate(yColumn, fallback::Coordinate, true)};
}

QPoint RowPainter::firstCorner() const
{
    return point(col::box::X1, col::box::Y1);
}

QPoint RowPainter::secondCorner() const
{
    return point(col::box::X2, col::box::Y2);
}

std::vector<QPoint> RowPainter::pointList(int column) const
{
    const std::vector<int> numbers = ParseNumberList(cell(column));
    std::vector<QPoint> points;
    points.reserve(numbers.size() / 2);
    for (size_t i = 0; i + 1 < numbers.size(); i += 2)
        points.emplace_back(shifted(numbers[i], false), shifted(numbers[i + 1], true));
    return points;
}

void RowPainter::parsePen(const QString& text)
{
    for (size_t i = 0; i < readPensUsed_; ++i) {
        if (readPens_[i].text == text) {
            current_.penColour = readPens_[i].colour;
            current_.penWidth = readPens_[i].width;
            return;
        }
    }
    ParsePenAttr(current_, text);
    readPens_[nextReadPen_] = {text, current_.penColour, current_.penWidth};
    nextReadPen_ = (nextReadPen_ + 1) % readPens_.size();
    readPensUsed_ = std::max(readPensUsed_, nextReadPen_ == 0 ? readPens_.size() : nextReadPen_);
}

std::optional<QString> RowPainter::draw(Canvas& canvas, int row, RowMode mode)
{
    row_ = row;
    if (cell(col::Type).isEmpty())
        return QStringLiteral("the row has no type letter");
    // Unknown letters draw nothing, but their column 3 is read all the same.
    const RecordKindInfo* info = RowKindInfo(table_, row);
    canvas.setBrush(kNoBrush);
    try {
        if (mode == RowMode::Highlight) {
            parsePen(cell(col::Pen));
            ownPenWidth_ = current_.penWidth;
            highlight_ = current_.penColour == kRed ? kBlack : kRed;
            current_.penColour = highlight_;
            current_.penWidth = current_.penWidth + 1;
        } else if (!info || info->column3 != Column3::Position) {
            parsePen(cell(col::Pen));
            ownPenWidth_ = current_.penWidth;
        }
        canvas.setPen(StandardPen(current_));
        if (info)
            drawKind(canvas, info->kind, mode);
    } catch (const Problem& problem) {
        canvas.setBrush(kNoBrush);
        return problem.text;
    } catch (const std::bad_alloc&) {
        canvas.setBrush(kNoBrush);
        return QStringLiteral("not enough memory to draw it");
    }
    return std::nullopt;
}

void RowPainter::drawKind(Canvas& canvas, RecordKind kind, RowMode mode)
{
    const bool highlight = mode == RowMode::Highlight;
    switch (kind) {
    case RecordKind::Line:
        DrawLine(canvas, current_, firstCorner(), secondCorner());
        break;
    case RecordKind::Rectangle:
        DrawRectangle(canvas, current_, firstCorner(), secondCorner());
        break;
    case RecordKind::Ellipse:
        DrawEllipse(canvas, current_, firstCorner(), secondCorner());
        break;
    case RecordKind::RoundRect:
        drawRoundRect(canvas, mode);
        break;
    case RecordKind::FocusRect:
        DrawFocusRect(canvas, firstCorner(), secondCorner());
        break;
    case RecordKind::Arc:
        DrawArc(canvas, current_, point(col::arc::CentreX, col::arc::CentreY),
                number(col::arc::Radius, fallback::Size),
                number(col::arc::Start, fallback::ArcStart),
                number(col::arc::End, fallback::ArcEnd));
        break;
    case RecordKind::Circle:
        drawCircle(canvas, mode);
        break;
    case RecordKind::Grid:
        DrawGrid(canvas, current_, point(col::grid::Left, col::grid::Bottom),
                 number(col::grid::Cells, fallback::Size),
                 number(col::grid::CellSize, fallback::Size));
        break;
    case RecordKind::Fill:
        drawFill(canvas, mode);
        break;
    case RecordKind::Point:
        drawPoint(canvas, mode);
        break;
    case RecordKind::Polyline:
        canvas.setPen(StandardPen(current_));
        canvas.polyline(pointList(col::list::Points));
        break;
    case RecordKind::Polygon:
        drawPolygon(canvas, mode);
        break;
    case RecordKind::Block:
        drawBlock(canvas);
        break;
    case RecordKind::EmfPicture:
    case RecordKind::JpgPicture:
    case RecordKind::BitmapPicture:
        drawPicture(canvas, kind, mode);
        break;
    case RecordKind::Text:
        leaveOutIf(DrawTextRecord(canvas, current_, table_, row_, offset_, highlight));
        break;
    case RecordKind::Label:
        if (!highlight) // labels are not highlighted
            leaveOutIf(DrawLabelRecord(canvas, current_, table_, row_, offset_, false));
        break;
    case RecordKind::Bezier:
        leaveOutIf(DrawBezierRecord(canvas, current_, table_, row_, offset_, highlight));
        break;
    case RecordKind::Polynomial:
        leaveOutIf(DrawPolynomialRecord(canvas, current_, table_, row_, offset_, highlight));
        break;
    }
}

void RowPainter::drawPoint(Canvas& canvas, RowMode mode)
{
    const QPoint at = point(col::point::X, col::point::Y);
    if (mode == RowMode::Draw) {
        DrawPoint(canvas, current_, at, number(col::point::Shape, fallback::PointShape));
        return;
    }
    // Whatever its shape, a red dot with a black rim.
    canvas.setPen({kBlack, 2, PenStyle::Solid});
    canvas.setBrush({kRed, BrushStyle::Solid});
    const long long x = at.x(), y = at.y();
    if (FitsInt(x - 4) && FitsInt(x + 4) && FitsInt(y - 4) && FitsInt(y + 3))
        canvas.ellipse(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 3);
    canvas.setBrush(kNoBrush);
}

void RowPainter::drawRoundRect(Canvas& canvas, RowMode mode)
{
    using namespace col::roundRect;
    const QPoint a = firstCorner(), b = secondCorner();
    const int corner = number(Corner, fallback::Size);
    const int brushStyle = current_.brushStyle;
    const Colour brushColour = current_.brushColour;
    if (corner < 0 && mode == RowMode::Draw)
        ParseBrushAttr(current_, cell(Brush));
    DrawRoundRect(canvas, current_, a, b, corner);
    current_.brushStyle = brushStyle;
    current_.brushColour = brushColour;
}

void RowPainter::drawCircle(Canvas& canvas, RowMode mode)
{
    using namespace col::circle;
    const QPoint centre = point(CentreX, CentreY);
    const int stored = number(Radius, fallback::Size);
    if (stored > 0) {
        DrawCircle(canvas, current_, centre, stored);
        return;
    }
    // 0 and negative sizes are filled; -INT_MIN does not fit, one pixel
    // less does not show at that size.
    const int radius = static_cast<int>(
        std::min<long long>(-static_cast<long long>(stored), std::numeric_limits<int>::max()));
    if (mode == RowMode::Highlight) {
        DrawCircle(canvas, current_, centre, radius);
        return;
    }
    // The row's brush serves this circle only, like the round rectangle's.
    const int brushStyle = current_.brushStyle;
    const Colour brushColour = current_.brushColour;
    ParseBrushAttr(current_, cell(Brush));
    DrawFilledCircle(canvas, current_, centre, radius);
    current_.brushStyle = brushStyle;
    current_.brushColour = brushColour;
}

void RowPainter::drawFill(Canvas& canvas, RowMode mode)
{
    // Column 3 holds the fill colour and, in its width digit, the brush style.
    using namespace col::fill;
    const QPoint seed = point(X, Y);
    const Colour border = cell(Border).isEmpty() ? kBlack : HexToColour(cell(Border));
    if (mode == RowMode::Highlight) {
        DrawFill(canvas, seed, ownPenWidth_, border, highlight_);
        return;
    }
    DrawFill(canvas, seed, current_.penWidth, border, current_.penColour);
    current_.penWidth = 1;
    const long long x = seed.x(), y = seed.y();
    if (FitsInt(x - 2) && FitsInt(x + 2) && FitsInt(y - 2) && FitsInt(y + 2)) {
        DrawLine(canvas, current_, {seed.x() - 2, seed.y()}, {seed.x() + 2, seed.y()});
        DrawLine(canvas, current_, {seed.x(), seed.y() - 2}, {seed.x(), seed.y() + 2});
    }
}

void RowPainter::drawPolygon(Canvas& canvas, RowMode mode)
{
    const std::vector<QPoint> points = pointList(col::polygon::Points);
    const int brushStyle = current_.brushStyle;
    const Colour brushColour = current_.brushColour;
    const QString& brush = cell(col::polygon::Brush);
    if (brush.isEmpty()) {
        current_.brushStyle = 0; // not filled
    } else {
        current_.brushColour = HexToColour(brush);
        bool ok = false;
        const int style = brush.mid(6, 2).toInt(&ok, 10);
        current_.brushStyle = ok ? style : 7;
        if (mode == RowMode::Highlight) {
            current_.brushColour = ~current_.brushColour & 0xFFFFFFu;
            current_.brushStyle = current_.brushStyle >= 7 ? 1 : current_.brushStyle + 1;
        }
    }
    DrawPolygon(canvas, current_, points);
    current_.brushStyle = brushStyle;
    current_.brushColour = brushColour;
}

void RowPainter::drawBlock(Canvas& canvas)
{
    namespace block = col::block;
    const auto colour =
        static_cast<Colour>(number(block::Colour, fallback::BlockColour)) & 0xFFFFFFu;
    const QPoint a(shifted(strictNumber(block::X1), false), shifted(strictNumber(block::Y1), true));
    const QPoint b(shifted(strictNumber(block::X2), false), shifted(strictNumber(block::Y2), true));
    DrawBlock(canvas, a, b, colour);
}

void RowPainter::drawPicture(Canvas& canvas, RecordKind kind, RowMode mode)
{
    using namespace col::picture;
    const bool metafile = kind == RecordKind::EmfPicture;
    if (mode == RowMode::Highlight && !metafile)
        return;
    const QPoint at = point(X, Y);
    const DecodedPicture& picture = pictures_.decode(kind, cell(Data));
    // Text that does not decode is marked where the picture would be; the
    // row itself stays as it is.
    if (!picture.error.isEmpty()) {
        DrawBrokenPicture(canvas, at);
        return;
    }
    if (!metafile) {
        canvas.drawImage(at, picture.image);
        return;
    }
    const PictureBox box = EmfPictureBox(at, picture.size, number(Zoom, fallback::Size));
    if (box.right <= box.left || box.bottom <= box.top)
        return;
    constexpr long long kFar = 1LL << 30;
    auto clamp = [&](long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
    const QRect visible =
        QRect(QPoint(clamp(box.left), clamp(box.top)), QPoint(clamp(box.right), clamp(box.bottom)))
            .adjusted(0, 0, -1, -1)
            .intersected(QRect(QPoint(0, 0), canvas.size()));
    if (!visible.isEmpty())
        canvas.drawImage(visible.topLeft(), pictures_.playedEmf(cell(Data), box, visible));
    if (mode == RowMode::Highlight)
        DrawRectangle(canvas, current_, {clamp(box.left), clamp(box.top)},
                      {clamp(box.right), clamp(box.bottom)});
}

} // namespace kel
