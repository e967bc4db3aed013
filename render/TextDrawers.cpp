#include "render/TextDrawers.h"

#include "model/AttributeStrings.h"
#include "model/RecordKinds.h"
#include "render/RecordCells.h"
#include "render/ShapeDrawers.h"

#include <algorithm>
#include <limits>

namespace kel {

namespace {

// Tenths of a degree for the font; whole turns dropped first, so any stored
// angle fits.
int Escapement(int angle)
{
    return angle % 360 * 10;
}

// Puts the canvas's font back on every way out of a record.
class FontKeeper {
public:
    explicit FontKeeper(Canvas& canvas) : canvas_(canvas), font_(canvas.font()) {}
    ~FontKeeper() { canvas_.setFont(font_); }
    FontKeeper(const FontKeeper&) = delete;
    FontKeeper& operator=(const FontKeeper&) = delete;

private:
    Canvas& canvas_;
    CanvasFont font_;
};

// A quarter larger, for the highlight, held to the int range.
int Enlarged(int size)
{
    const long long larger = static_cast<long long>(size) + size / 4;
    return static_cast<int>(std::clamp<long long>(larger, std::numeric_limits<int>::min(),
                                                  std::numeric_limits<int>::max()));
}

} // namespace

FontStyle PlainTextStyle(int code)
{
    switch (code) {
    case 1:
        return {true, false};
    case 2:
        return {false, true};
    case 3:
        return {true, true};
    default:
        return {};
    }
}

void DrawPlainText(Canvas& canvas, QPoint at, int size, const QString& text,
                   const QString& fontName, int styleCode, Colour colour)
{
    const FontStyle style = PlainTextStyle(styleCode);
    CanvasFont font;
    font.name = fontName;
    font.size = size;
    font.colour = colour;
    font.bold = style.bold;
    font.italic = style.italic;
    font.escapement = 0;
    canvas.setFont(font);
    canvas.setBrush(kNoBrush);
    const int h = canvas.textExtent(QStringLiteral("W")).height();
    // A text standing this far up cannot reach the canvas.
    const std::optional<int> top = ShiftedCoordinate(at.y(), h);
    if (top)
        canvas.textOut({at.x(), *top}, text);
}

void RotatedTextOut(Canvas& canvas, QPoint at, int angle, const QString& text)
{
    const CanvasFont previous = canvas.font();
    CanvasFont turned = previous;
    turned.escapement = Escapement(angle);
    canvas.setFont(turned);
    canvas.textOut(at, text);
    canvas.setFont(previous);
}

void DrawOutlinedText(Canvas& canvas, int angle, QPoint at, const LabelLook& look, int size,
                      const QString& text, const QString& fontName)
{
    const CanvasFont previous = canvas.font();
    CanvasFont font;
    font.name = fontName;
    font.size = size;
    font.escapement = Escapement(angle);
    canvas.setFont(font);
    CurrentAttributes pen;
    pen.penColour = look.penColour;
    pen.penWidth = look.penWidth;
    canvas.setPen(StandardPen(pen));
    canvas.setBrush(FillRuleBrush(look.brushStyle, look.brushColour));
    canvas.textPath(at, text);
    canvas.setBrush(kNoBrush);
    canvas.setFont(previous);
}

std::optional<QString> DrawTextRecord(Canvas& canvas, CurrentAttributes& /*current*/,
                                      const ObjectTable& table, int row, QPoint offset,
                                      bool highlight)
{
    namespace cells = col::text;
    const std::optional<QPoint> at = ShiftedCellPoint(table, row, cells::X, cells::Y, offset);
    if (!at)
        return OutOfRangeReason();
    const int size = table.intCell(cells::Size, row, fallback::TextSize);
    const Colour colour = HexToColour(table.cell(cells::Colour, row));
    const int style = table.intCell(cells::Style, row, fallback::TextStyle);
    const QString& fontName = table.cell(cells::Font, row);
    const QString& text = table.cell(cells::Text, row);
    const int angle = table.intCell(cells::Angle, row, fallback::Angle);

    const FontKeeper keeper(canvas);
    canvas.setBrush(kNoBrush);
    if (highlight) {
        DrawPlainText(canvas, *at, Enlarged(size), text, fontName, style, HighlightColour(colour));
        return std::nullopt;
    }
    if (angle == 0) {
        DrawPlainText(canvas, *at, size, text, fontName, style, colour);
        return std::nullopt;
    }
    // The style bits give the face on their own: a bold text drawn earlier
    // does not make this one bold.
    CanvasFont font;
    font.name = fontName;
    font.size = size;
    font.colour = colour;
    font.bold = (style & 1) != 0;
    font.italic = (style & 2) != 0;
    canvas.setFont(font);
    RotatedTextOut(canvas, *at, angle, text);
    return std::nullopt;
}

std::optional<QString> DrawLabelRecord(Canvas& canvas, CurrentAttributes& current,
                                       const ObjectTable& table, int row, QPoint offset,
                                       bool highlight)
{
    using namespace col::label;
    ParsePenAttr(current, table.cell(Pen, row));
    const std::optional<QPoint> at = ShiftedCellPoint(table, row, X, Y, offset);
    if (!at)
        return OutOfRangeReason();
    if (highlight)
        UseHighlightPen(current);

    LabelLook look;
    look.penColour = current.penColour;
    look.penWidth = current.penWidth;
    // The label's own brush; an empty cell means letters without fill, not
    // whatever brush an earlier row left behind.
    CurrentAttributes brush;
    brush.brushStyle = 0;
    ParseBrushAttr(brush, table.cell(Brush, row));
    look.brushColour = brush.brushColour;
    look.brushStyle = brush.brushStyle;

    const FontKeeper keeper(canvas);
    DrawOutlinedText(canvas, table.intCell(Angle, row, fallback::Angle), *at, look,
                     table.intCell(Size, row, fallback::LabelSize), table.cell(Text, row),
                     table.cell(Font, row));
    return std::nullopt;
}

} // namespace kel
