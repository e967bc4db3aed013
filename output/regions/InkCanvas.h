#pragma once
// A canvas that paints everything it is given in one ink colour, one pixel
// wider: the crop-area search draws each object through it in an ink of its
// own, so an object in white (or in any colour) leaves ink the search can
// see and tell from the ink of the objects drawn before it. Pictures leave a
// box of ink, focus rectangles a dotted frame instead of inverted pixels,
// and flood fills nothing (alone on a white image they would flood it all).
// The pen, brush and font it reports are the ones it was given.

#include "model/Canvas.h"

namespace kel {

class InkCanvas final : public Canvas {
public:
    explicit InkCanvas(Canvas& target) : target_(target) {}

    // The ink of what is drawn next; the pen, brush and font are set again.
    void setInk(Colour ink)
    {
        ink_ = ink;
        setPen(pen_);
        setBrush(brush_);
        setFont(font_);
    }

    QSize size() const override { return target_.size(); }
    void setPen(const CanvasPen& pen) override
    {
        pen_ = pen;
        target_.setPen({ink_, pen.width + 1, pen.style});
    }
    CanvasPen pen() const override { return pen_; }
    void setBrush(const CanvasBrush& brush) override
    {
        brush_ = brush;
        target_.setBrush({ink_, brush.style});
    }
    CanvasBrush brush() const override { return brush_; }
    void setFont(const CanvasFont& font) override
    {
        font_ = font;
        CanvasFont inked = font;
        inked.colour = ink_;
        target_.setFont(inked);
    }
    CanvasFont font() const override { return font_; }

    void line(QPoint from, QPoint to) override { target_.line(from, to); }
    void rectangle(int left, int top, int right, int bottom) override
    {
        target_.rectangle(left, top, right, bottom);
    }
    void fillRect(int left, int top, int right, int bottom) override
    {
        target_.fillRect(left, top, right, bottom);
    }
    void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override
    {
        target_.roundRect(left, top, right, bottom, cornerWidth, cornerHeight);
    }
    void focusRect(int left, int top, int right, int bottom) override
    {
        const CanvasPen pen = pen_;
        const CanvasBrush brush = brush_;
        setPen({ink_, 0, PenStyle::Dotted});
        setBrush({ink_, BrushStyle::Clear});
        target_.rectangle(left, top, right, bottom);
        setPen(pen);
        setBrush(brush);
    }
    void ellipse(int left, int top, int right, int bottom) override
    {
        target_.ellipse(left, top, right, bottom);
    }
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) override
    {
        target_.arc(left, top, right, bottom, start, end);
    }
    void polygon(const std::vector<QPoint>& points) override { target_.polygon(points); }
    void polyline(const std::vector<QPoint>& points) override { target_.polyline(points); }
    void bezier(const std::vector<QPoint>& points) override { target_.bezier(points); }
    void floodFill(QPoint, Colour) override {}
    void textOut(QPoint at, const QString& text) override { target_.textOut(at, text); }
    QSize textExtent(const QString& text) override { return target_.textExtent(text); }
    void textPath(QPoint at, const QString& text) override { target_.textPath(at, text); }
    void drawImage(QPoint at, const QImage& image) override { box(QRect(at, image.size())); }
    void stretchImage(const QRect& area, const QImage&) override { box(area); }
    std::optional<Colour> pixel(QPoint at) const override { return target_.pixel(at); }
    void setPixel(QPoint at, Colour) override { target_.setPixel(at, ink_); }

private:
    void box(const QRect& area)
    {
        const CanvasBrush before = target_.brush();
        target_.setBrush({ink_, BrushStyle::Solid});
        target_.fillRect(area.left(), area.top(), area.left() + area.width(),
                         area.top() + area.height());
        target_.setBrush(before);
    }

    Canvas& target_;
    Colour ink_ = kBlack;
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
};

} // namespace kel
