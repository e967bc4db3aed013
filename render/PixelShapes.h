#pragma once
// Shapes in image pixels drawn straight into an image through FastRaster,
// as RasterCanvas draws them at scale 1: one-pixel outlines through the
// rounded points, wider ones as areas with round joins and ends, fills by
// the alternate rule. Shapes reaching far beyond the image are clipped to a
// window a little larger than it first (FarGeometry.h), so coordinates of
// any size cost no more than what can be seen. The metafile player's raster
// path (EmfRasterPlayer) draws with it.

#include "render/FastRaster.h"

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QRgb>
#include <QSize>

#include <span>

namespace kel {

struct PixelPen {
    QRgb colour = 0xFF000000;
    double width = 1;    // pixels; 1 or less is a one-pixel pen
    bool dotted = false; // one pixel on, one off (one-pixel pens only)
};

class PixelShapes {
public:
    // `image` holds rows firstRow onwards of a picture of `picture`'s size
    // (a band of it): shapes are placed and clipped in the whole picture.
    PixelShapes(QImage& image, int firstRow, QSize picture);

    // Points joined by the pen, the last back to the first when closed.
    void stroke(std::span<const QPointF> points, bool closed, const PixelPen& pen);
    // The area inside the points by the alternate rule.
    void fill(std::span<const QPointF> points, const Ink& ink);
    // A closed shape: filled when `ink` is given, outlined when `pen` is.
    void shape(std::span<const QPointF> points, const Ink* ink, const PixelPen* pen);
    // The ellipse inscribed in `outline`, its outline through the pixels at
    // the rectangle's edges.
    void ellipse(const QRectF& outline, const Ink* ink, const PixelPen* pen);
    // Counter-clockwise on the screen from startDeg over spanDeg degrees.
    void arc(const QRectF& outline, double startDeg, double spanDeg, const PixelPen& pen);
    // A rounded rectangle with corner ellipses of rx by ry.
    void roundRect(const QRectF& outline, double rx, double ry, const Ink* ink,
                   const PixelPen* pen);

private:
    // Whether the area lies close enough to the image to rasterise as it is.
    bool near(const QRectF& bounds) const;
    QRectF window(const PixelPen* pen) const;
    // The same with the points' bounds worked out once for fill and outline.
    void stroke(std::span<const QPointF> points, const QRectF& bounds, bool closed,
                const PixelPen& pen);
    void fill(std::span<const QPointF> points, const QRectF& bounds, const Ink& ink);
    void strokeNear(std::span<const QPointF> points, bool closed, const PixelPen& pen);

    FastRaster raster_;
    QSizeF size_;
};

} // namespace kel
