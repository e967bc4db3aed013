#pragma once
// A Canvas that records the lines and arcs drawn on it, with the pen each
// was drawn with, and ignores everything else.

#include "model/Canvas.h"

#include <QPoint>

#include <vector>

namespace kel::test {

struct DrawnLine {
    QPoint from;
    QPoint to;
    CanvasPen pen;
};

struct DrawnArc {
    int left, top, right, bottom;
    QPoint start;
    QPoint end;
    CanvasPen pen;
};

class FakeCanvas : public Canvas {
public:
    std::vector<DrawnLine> lines;
    std::vector<DrawnArc> arcs;

    QSize size() const override { return {800, 600}; }
    void setPen(const CanvasPen& pen) override { pen_ = pen; }
    CanvasPen pen() const override { return pen_; }
    void setBrush(const CanvasBrush& brush) override { brush_ = brush; }
    CanvasBrush brush() const override { return brush_; }
    void setFont(const CanvasFont& font) override { font_ = font; }
    CanvasFont font() const override { return font_; }

    void line(QPoint from, QPoint to) override { lines.push_back({from, to, pen_}); }
    void rectangle(int, int, int, int) override {}
    void fillRect(int, int, int, int) override {}
    void roundRect(int, int, int, int, int, int) override {}
    void focusRect(int, int, int, int) override {}
    void ellipse(int, int, int, int) override {}
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) override
    {
        arcs.push_back({left, top, right, bottom, start, end, pen_});
    }
    void polygon(const std::vector<QPoint>&) override {}
    void polyline(const std::vector<QPoint>&) override {}
    void bezier(const std::vector<QPoint>&) override {}
    void floodFill(QPoint, Colour) override {}
    void textOut(QPoint, const QString&) override {}
    QSize textExtent(const QString&) override { return {}; }
    void textPath(QPoint, const QString&) override {}
    void drawImage(QPoint, const QImage&) override {}
    void stretchImage(const QRect&, const QImage&) override {}
    std::optional<Colour> pixel(QPoint) const override { return std::nullopt; }
    void setPixel(QPoint, Colour) override {}

private:
    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
};

} // namespace kel::test
