#pragma once
// A canvas seen through a shift: everything drawn at (x, y) lands at
// (x - origin.x, y - origin.y) of the canvas underneath. The object picker
// draws candidate rows on a small scratch image around the pointer with it.

#include "model/Canvas.h"

#include <algorithm>
#include <limits>

namespace kel {

class OffsetCanvas final : public Canvas {
public:
    OffsetCanvas(Canvas& target, QPoint origin) : target_(target), origin_(origin) {}

    // Drawers clip what they draw to (0, 0)..size(): the region must reach
    // over the whole target seen through the shift.
    QSize size() const override
    {
        return {clampToInt(qint64(std::max(origin_.x(), 0)) + target_.size().width()),
                clampToInt(qint64(std::max(origin_.y(), 0)) + target_.size().height())};
    }
    void setPen(const CanvasPen& pen) override { target_.setPen(pen); }
    CanvasPen pen() const override { return target_.pen(); }
    void setBrush(const CanvasBrush& brush) override { target_.setBrush(brush); }
    CanvasBrush brush() const override { return target_.brush(); }
    void setFont(const CanvasFont& font) override { target_.setFont(font); }
    CanvasFont font() const override { return target_.font(); }

    void line(QPoint from, QPoint to) override { target_.line(shift(from), shift(to)); }
    void rectangle(int left, int top, int right, int bottom) override
    {
        target_.rectangle(x(left), y(top), x(right), y(bottom));
    }
    void fillRect(int left, int top, int right, int bottom) override
    {
        target_.fillRect(x(left), y(top), x(right), y(bottom));
    }
    void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override
    {
        target_.roundRect(x(left), y(top), x(right), y(bottom), cornerWidth, cornerHeight);
    }
    void focusRect(int left, int top, int right, int bottom) override
    {
        target_.focusRect(x(left), y(top), x(right), y(bottom));
    }
    void ellipse(int left, int top, int right, int bottom) override
    {
        target_.ellipse(x(left), y(top), x(right), y(bottom));
    }
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) override
    {
        target_.arc(x(left), y(top), x(right), y(bottom), shift(start), shift(end));
    }
    void polygon(const std::vector<QPoint>& points) override { target_.polygon(shifted(points)); }
    void polyline(const std::vector<QPoint>& points) override
    {
        target_.polyline(shifted(points));
    }
    void bezier(const std::vector<QPoint>& points) override { target_.bezier(shifted(points)); }
    void floodFill(QPoint seed, Colour border) override
    {
        target_.floodFill(shift(seed), border);
    }
    void textOut(QPoint at, const QString& text) override { target_.textOut(shift(at), text); }
    QSize textExtent(const QString& text) override { return target_.textExtent(text); }
    void textPath(QPoint at, const QString& text) override
    {
        target_.textPath(shift(at), text);
    }
    void drawImage(QPoint at, const QImage& image) override
    {
        target_.drawImage(shift(at), image);
    }
    void stretchImage(const QRect& box, const QImage& image) override
    {
        target_.stretchImage(QRect(shift(box.topLeft()), box.size()), image);
    }
    std::optional<Colour> pixel(QPoint at) const override { return target_.pixel(shift(at)); }
    void setPixel(QPoint at, Colour colour) override { target_.setPixel(shift(at), colour); }

private:
    // Shifted in 64 bits and held to the int range: a point far outside
    // moves by at most the shift, which no drawing near the origin can see.
    static int clampToInt(qint64 value)
    {
        return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                                   std::numeric_limits<int>::max()));
    }
    int x(int value) const { return clampToInt(qint64(value) - origin_.x()); }
    int y(int value) const { return clampToInt(qint64(value) - origin_.y()); }
    QPoint shift(QPoint p) const { return {x(p.x()), y(p.y())}; }
    std::vector<QPoint> shifted(const std::vector<QPoint>& points) const
    {
        std::vector<QPoint> out;
        out.reserve(points.size());
        for (QPoint p : points)
            out.push_back(shift(p));
        return out;
    }

    Canvas& target_;
    QPoint origin_;
};

} // namespace kel
