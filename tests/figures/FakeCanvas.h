#pragma once
// A Canvas that records the lines, arcs and shapes drawn on it, with the pen
// and brush each was drawn with, and ignores everything else.

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

struct DrawnShape {
    std::vector<QPoint> points;
    CanvasPen pen;
    CanvasBrush brush;
};

struct DrawnEllipse {
    int left, top, right, bottom;
    CanvasPen pen;
    CanvasBrush brush;
};

class FakeCanvas : public Canvas {
public:
    std::vector<DrawnLine> lines;
    std::vector<DrawnArc> arcs;
    std::vector<DrawnShape> polygons;
    std::vector<DrawnShape> polylines;
    std::vector<DrawnEllipse> ellipses;

    bool drewNothing() const
    {
        return lines.empty() && arcs.empty() && polygons.empty() && polylines.empty() &&
               ellipses.empty();
    }

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
    void ellipse(int left, int top, int right, int bottom) override
    {
        ellipses.push_back({left, top, right, bottom, pen_, brush_});
    }
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) override
    {
        arcs.push_back({left, top, right, bottom, start, end, pen_});
    }
    void polygon(const std::vector<QPoint>& points) override
    {
        polygons.push_back({points, pen_, brush_});
    }
    void polyline(const std::vector<QPoint>& points) override
    {
        polylines.push_back({points, pen_, brush_});
    }
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
