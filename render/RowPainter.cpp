#include "render/RowPainter.h"

#include "model/AttributeStrings.h"
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
    return {coordinate(xColumn, 100, false), coordinate(yColumn, 100, true)};
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
    const QString& type = cell(kTypeColumn);
    if (type.isEmpty())
        return QStringLiteral("the row has no type letter");
    const QChar letter = type.at(0);
    canvas.setBrush(kNoBrush);
    try {
        if (mode == RowMode::Highlight) {
            parsePen(cell(3));
            ownPenWidth_ = current_.penWidth;
            highlight_ = current_.penColour == kRed ? kBlack : kRed;
            current_.penColour = highlight_;
            current_.penWidth = current_.penWidth + 1;
        } else if (letter != QLatin1Char('T')) {
            parsePen(cell(3));
            ownPenWidth_ = current_.penWidth;
        }
        canvas.setPen(StandardPen(current_));
        drawLetter(canvas, letter, mode);
    } catch (const Problem& problem) {
        canvas.setBrush(kNoBrush);
        return problem.text;
    } catch (const std::bad_alloc&) {
        canvas.setBrush(kNoBrush);
        return QStringLiteral("not enough memory to draw it");
    }
    return std::nullopt;
}

void RowPainter::drawLetter(Canvas& canvas, QChar letter, RowMode mode)
{
    switch (letter.unicode()) {
    case u'L':
        DrawLine(canvas, current_, point(4, 5), point(6, 7));
        break;
    case u'R':
        DrawRectangle(canvas, current_, point(4, 5), point(6, 7));
        break;
    case u'E':
        DrawEllipse(canvas, current_, point(4, 5), point(6, 7));
        break;
    case u'1':
        drawRoundRect(canvas, mode);
        break;
    case u'2':
        DrawFocusRect(canvas, point(4, 5), point(6, 7));
        break;
    case u'A':
        DrawArc(canvas, current_, point(4, 5), number(8, 100), number(6, 30), number(7, 90));
        break;
    case u'C':
        drawCircle(canvas, mode);
        break;
    case u'D':
        DrawGrid(canvas, current_, point(4, 5), number(6, 100), number(7, 100));
        break;
    case u'F':
        drawFill(canvas, mode);
        break;
    case u'P': {
        const QPoint at = point(4, 5);
        if (mode == RowMode::Draw) {
            DrawPoint(canvas, current_, at, number(3, 0));
            break;
        }
        // Whatever its shape, a red dot with a black rim.
        canvas.setPen({kBlack, 2, PenStyle::Solid});
        canvas.setBrush({kRed, BrushStyle::Solid});
        const long long x = at.x(), y = at.y();
        if (FitsInt(x - 4) && FitsInt(x + 4) && FitsInt(y - 4) && FitsInt(y + 3))
            canvas.ellipse(at.x() - 4, at.y() - 4, at.x() + 4, at.y() + 3);
        canvas.setBrush(kNoBrush);
        break;
    }
    case u'G': {
        canvas.setPen(StandardPen(current_));
        canvas.polyline(pointList(4));
        break;
    }
    case u'N':
        drawPolygon(canvas, mode);
        break;
    case u'b':
        drawBlock(canvas);
        break;
    case u'f':
    case u'j':
    case u'x':
        drawPicture(canvas, letter, mode);
        break;
    case u'T':
        leaveOutIf(
            DrawTextRecord(canvas, current_, table_, row_, offset_, mode == RowMode::Highlight));
        break;
    case u'h':
        if (mode == RowMode::Draw) // labels are not highlighted
            leaveOutIf(DrawLabelRecord(canvas, current_, table_, row_, offset_, false));
        break;
    case u'B':
        leaveOutIf(
            DrawBezierRecord(canvas, current_, table_, row_, offset_, mode == RowMode::Highlight));
        break;
    case u'K':
        leaveOutIf(DrawPolynomialRecord(canvas, current_, table_, row_, offset_,
                                        mode == RowMode::Highlight));
        break;
    default: // an unknown letter draws nothing
        break;
    }
}

void RowPainter::drawRoundRect(Canvas& canvas, RowMode mode)
{
    const QPoint a = point(4, 5), b = point(6, 7);
    const int corner = number(8, 100);
    const int brushStyle = current_.brushStyle;
    const Colour brushColour = current_.brushColour;
    if (corner < 0 && mode == RowMode::Draw)
        ParseBrushAttr(current_, cell(9));
    DrawRoundRect(canvas, current_, a, b, corner);
    current_.brushStyle = brushStyle;
    current_.brushColour = brushColour;
}

void RowPainter::drawCircle(Canvas& canvas, RowMode mode)
{
    const QPoint centre = point(4, 5);
    const int stored = number(6, 100);
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
    ParseBrushAttr(current_, cell(7));
    DrawFilledCircle(canvas, current_, centre, radius);
    current_.brushStyle = brushStyle;
    current_.brushColour = brushColour;
}

void RowPainter::drawFill(Canvas& canvas, RowMode mode)
{
    // Column 3 holds the fill colour and, in its width digit, the brush style.
    const QPoint seed = point(4, 5);
    const Colour border = cell(6).isEmpty() ? kBlack : HexToColour(cell(6));
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
    const std::vector<QPoint> points = pointList(4);
    const int brushStyle = current_.brushStyle;
    const Colour brushColour = current_.brushColour;
    const QString& brush = cell(5);
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
    const auto colour = static_cast<Colour>(number(3, 0)) & 0xFFFFFFu;
    const QPoint a(shifted(strictNumber(4), false), shifted(strictNumber(5), true));
    const QPoint b(shifted(strictNumber(6), false), shifted(strictNumber(7), true));
    DrawBlock(canvas, a, b, colour);
}

void RowPainter::drawPicture(Canvas& canvas, QChar letter, RowMode mode)
{
    if (mode == RowMode::Highlight && letter != QLatin1Char('f'))
        return;
    const QPoint at = point(4, 5);
    const DecodedPicture& picture = pictures_.decode(letter, cell(6));
    if (!picture.error.isEmpty())
        throw Problem{picture.error};
    if (letter != QLatin1Char('f')) {
        canvas.drawImage(at, picture.image);
        return;
    }
    const int percent = number(3, 100);
    DrawEmfPlaceholder(canvas, at, picture.size, percent);
    if (mode == RowMode::Highlight) {
        const PictureBox box = EmfPictureBox(at, picture.size, percent);
        constexpr long long kFar = 1LL << 30;
        auto clamp = [&](long long v) { return static_cast<int>(std::clamp(v, -kFar, kFar)); };
        if (box.right > box.left && box.bottom > box.top)
            DrawRectangle(canvas, current_, {clamp(box.left), clamp(box.top)},
                          {clamp(box.right), clamp(box.bottom)});
    }
}

} // namespace kel
