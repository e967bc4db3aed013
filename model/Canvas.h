#pragma once
// What a drawer may ask of a drawing surface. The off-screen bitmap, the
// preview overlay, scratch bitmaps and metafiles all implement it, so every
// drawer, preview and figure routine paints the same way on each.
//
// Boxes are given by left, top, right and bottom and exclude their right and
// bottom edges: a rectangle from (10, 20) to (50, 60) covers x 10..49 and
// y 20..59. Colours are the drawing's 0x00BBGGRR values.

#include "model/Colour.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace kel {

enum class PenStyle { Solid, Dotted };

struct CanvasPen {
    Colour colour = kBlack;
    int width = 1; // 0 and 1 are one pixel
    PenStyle style = PenStyle::Solid;
};

// The platform brush styles: 0 solid, 1 clear (no fill), 2..7 the 8 x 8
// hatches horizontal, vertical, forward diagonal, backward diagonal, cross,
// diagonal cross, anchored at the canvas origin.
enum class BrushStyle {
    Solid = 0,
    Clear = 1,
    Horizontal = 2,
    Vertical = 3,
    ForwardDiagonal = 4,
    BackwardDiagonal = 5,
    Cross = 6,
    DiagonalCross = 7
};

struct CanvasBrush {
    Colour colour = kWhite;
    BrushStyle style = BrushStyle::Clear;
};

struct CanvasFont {
    QString name = QStringLiteral("Arial");
    int size = 10; // points, at 96 dots per inch
    Colour colour = kBlack;
    bool bold = false;
    bool italic = false;
    int escapement = 0; // tenths of a degree, counter-clockwise
};

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual QSize size() const = 0;

    virtual void setPen(const CanvasPen& pen) = 0;
    virtual CanvasPen pen() const = 0;
    virtual void setBrush(const CanvasBrush& brush) = 0;
    virtual CanvasBrush brush() const = 0;
    virtual void setFont(const CanvasFont& font) = 0;
    virtual CanvasFont font() const = 0;

    // A line with the pen.
    virtual void line(QPoint from, QPoint to) = 0;
    // Outline with the pen, inside filled with the brush.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    // The brush alone, no outline.
    virtual void fillRect(int left, int top, int right, int bottom) = 0;
    // Corner ellipse of cornerWidth x cornerHeight (diameters).
    virtual void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                           int cornerHeight) = 0;
    // Inverts a dotted outline; drawing it twice restores the canvas.
    virtual void focusRect(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise from the ray towards `start` to the ray towards `end`,
    // both seen from the box centre; equal points give the whole ellipse.
    virtual void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) = 0;
    // Closed, filled by the alternate rule.
    virtual void polygon(const std::vector<QPoint>& points) = 0;
    virtual void polyline(const std::vector<QPoint>& points) = 0;
    // Cubic Bezier segments: 1 + 3n points.
    virtual void bezier(const std::vector<QPoint>& points) = 0;
    // Fills the 4-connected region around `seed` bounded by the exact colour
    // `border`, with the brush. A seed outside or on the border does nothing.
    virtual void floodFill(QPoint seed, Colour border) = 0;

    // Text with its cell's top-left corner at `at`, in the font, rotated by
    // its escapement, on a transparent background.
    virtual void textOut(QPoint at, const QString& text) = 0;
    virtual QSize textExtent(const QString& text) = 0;
    // The outline of the text stroked with the pen and filled with the brush.
    virtual void textPath(QPoint at, const QString& text) = 0;

    // Pictures, unscaled at `at` or stretched into `box`.
    virtual void drawImage(QPoint at, const QImage& image) = 0;
    virtual void stretchImage(const QRect& box, const QImage& image) = 0;

    // Pixels outside the canvas read as nothing and ignore writes.
    virtual std::optional<Colour> pixel(QPoint at) const = 0;
    virtual void setPixel(QPoint at, Colour colour) = 0;
};

} // namespace kel
