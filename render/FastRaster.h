#pragma once
// Direct rasterising of the shapes a drawing consists of: lines, ellipses,
// arcs and polygon fills, written as whole pixels straight into the image.
// QPainter's general machinery spends several microseconds on each such
// shape, which a drawing of ten thousand rows cannot afford. Everything this
// does not cover (dotted curves, rounded rectangles, text, pictures) is left
// to QPainter.
//
// Geometry is in image pixels, as QPainter's aliased drawing has it: a
// one-pixel line or outline at x = 10 colours pixel 10; wider pens and fills
// are areas that colour the pixels (x, y) they contain, their right and
// bottom edges left out (so a fill from 10 to 50 colours pixels 10..49).

#include "model/Canvas.h"
#include "render/Hatch.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRectF>

#include <algorithm>
#include <span>

namespace kel {

// What pixels a fill gives its colour to: all (solid) or those of a hatch,
// whose 8 x 8 tile covers `tileScale` x `tileScale` pixels per tile pixel.
struct Ink {
    QRgb colour;
    BrushStyle style = BrushStyle::Solid;
    int tileScale = 1;
};

class FastRaster {
public:
    // The image holds rows firstRow onwards of the picture (a band of it):
    // everything is drawn in picture rows and lands on the rows held.
    explicit FastRaster(QImage& image, int firstRow = 0);

    // A one-pixel line from a to b, both ends included. A dotted pen colours
    // every other pixel along the path; `phase` counts the pixels and carries
    // the pattern on from one segment of a polyline to the next.
    void thinLine(QPoint a, QPoint b, QRgb colour, bool dotted, int& phase, bool skipFirst);
    // One-pixel lines through the points (each rounded to its pixel), back
    // to the first when `closed` and there are three or more.
    void thinPolyline(std::span<const QPointF> points, bool closed, QRgb colour, bool dotted);
    // A line `width` pixels wide, with round or flat ends.
    void wideLine(QPointF a, QPointF b, double width, QRgb colour, bool roundEnds);
    // The lines from point to point `width` pixels wide with round ends:
    // one round cap on every point, where two lines meet as well.
    void widePath(std::span<const QPointF> points, double width, QRgb colour);
    // A path `width` pixels wide drawn as flat-ended dashes, `dash` pixels
    // on and `dash` off along it, each dash centred on a multiple of twice
    // `dash` from the start (so an open path's first dash reaches half a
    // dash before its first point).
    void dashedPath(std::span<const QPointF> points, double width, double dash, QRgb colour);
    // The ellipse inscribed in `outline`, stroked `width` pixels wide, its
    // inside filled with `fill` when given. One pixel wide, the outline
    // colours the pixels at the rectangle's edges (left to right inclusive).
    void ellipse(const QRectF& outline, double width, QRgb pen, const Ink* fill);
    // Part of that ellipse, counter-clockwise on the screen from startDeg
    // over spanDeg degrees (angles on the circle the ellipse is stretched
    // from).
    void arc(const QRectF& outline, double startDeg, double spanDeg, double width, QRgb pen);
    // Even-odd fill of a polygon.
    void polygonFill(std::span<const QPointF> points, const Ink& ink);
    void fillRect(int left, int top, int right, int bottom, const Ink& ink); // right, bottom out

private:
    struct Sector;
    struct PolygonEdge;
    // The fill of a narrow polygon; false (nothing drawn) when a crossing
    // falls outside the mask of 64 pixels from `origin`.
    bool maskFill(std::span<const PolygonEdge> edges, int first, int last, int origin,
                  const Ink& ink);
    void activeEdgeFill(std::span<PolygonEdge> edges, int first, int last, const Ink& ink);
    void plot(int x, int y, QRgb colour);
    // Every shape ends in spans: kept inline.
    void span(int y, int x1, int x2, QRgb colour)
    {
        if (y < top_ || y >= end_)
            return;
        x1 = std::max(x1, 0);
        x2 = std::min(x2, width_ - 1);
        if (x1 <= x2)
            std::fill_n(row(y) + x1, x2 - x1 + 1, colour);
    }
    void inkSpan(int y, int x1, int x2, const Ink& ink)
    {
        if (ink.style == BrushStyle::Solid) {
            span(y, x1, x2, ink.colour);
            return;
        }
        if (ink.style == BrushStyle::Clear || y < top_ || y >= end_)
            return;
        x1 = std::max(x1, 0);
        x2 = std::min(x2, width_ - 1);
        if (x1 <= x2)
            PaintHatchSpan(row(y), x1, x2, y, ink.style, ink.tileScale, ink.colour);
    }
    void sectorSpan(int y, int x1, int x2, QRgb colour, const Sector* sector);
    void disc(QPointF centre, double radius, QRgb colour);
    void thinOutline(const QRectF& outline, QRgb pen, const Ink* fill, const Sector* sector);
    void wideOutline(const QRectF& outline, double width, QRgb pen, const Ink* fill,
                     const Sector* sector);

    QRgb* row(int y) { return reinterpret_cast<QRgb*>(bits_ + (y - top_) * bytesPerLine_); }

    uchar* bits_;
    qsizetype bytesPerLine_;
    int width_;
    int top_; // the picture rows held: top_ to end_ - 1
    int end_;
};

} // namespace kel
