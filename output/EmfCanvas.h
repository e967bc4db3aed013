#pragma once
// A canvas that records an enhanced metafile: every drawing operation
// becomes the matching metafile record (pens, solid and hatched brushes,
// rectangles, ellipses, arcs, polygons, Bezier curves, text, pictures), so
// the picture stays sharp at any size. Flood fills, which no metafile
// reader honours, are embedded as the filled region's pixels.
//
// Pens, brushes and fonts are created when first drawn with and deleted as
// soon as another one replaces them.

#include "output/EmfWriter.h"
#include "output/ShadowedCanvas.h"

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace kel {

class EmfCanvas final : public ShadowedCanvas {
public:
    explicit EmfCanvas(QSize size);

    // Ends the recording: the metafile's bytes, empty when a record could
    // not be made. Nothing may be drawn afterwards.
    QByteArray finish();
    void setFont(const CanvasFont& font) override;

    void line(QPoint from, QPoint to) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom) override;
    void roundRect(int left, int top, int right, int bottom, int cornerWidth,
                   int cornerHeight) override;
    void focusRect(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void arc(int left, int top, int right, int bottom, QPoint start, QPoint end) override;
    void polygon(const std::vector<QPoint>& points) override;
    void polyline(const std::vector<QPoint>& points) override;
    void bezier(const std::vector<QPoint>& points) override;

    void textOut(QPoint at, const QString& text) override;
    void textPath(QPoint at, const QString& text) override;

    void drawImage(QPoint at, const QImage& image) override;
    void stretchImage(const QRect& box, const QImage& image) override;

    void setPixel(QPoint at, Colour colour) override;

private:
    void embedFill(const FilledArea& area) override;

    // Makes the metafile draw with this pen (or none), creating it when it
    // differs from the last one and deleting that one.
    void selectPen(const std::optional<CanvasPen>& pen);
    void selectBrush(const std::optional<CanvasBrush>& brush);
    void selectFont();
    void selectTextColour(Colour colour);
    // Outline with the canvas pen, inside with the canvas brush.
    void selectPenAndBrush();
    void selectOutlineOnly();
    // Points as a polygon, polyline or Bezier record, in 16 bits when they fit.
    enum class Shape { Polygon, Polyline, Bezier };
    void pointsRecord(Shape shape, const std::vector<QPoint>& points);
    void polyPolygon(const std::vector<std::vector<QPoint>>& polygons);
    // How far outlines reach beyond their points with the selected pen.
    int outlineMargin() const;
    // The pixels of `source` stretched into `box`, clipped to the canvas.
    void bitmapRecord(const QRect& box, const QImage& image, const QRect& source);

    EmfWriter writer_;
    bool finished_ = false;

    // What the metafile has selected: the device's default object, the
    // stock null pen or brush, or the one object of its kind created last.
    enum class Held { Default, Null, Own };
    Held penHeld_ = Held::Default;
    Held brushHeld_ = Held::Default;
    CanvasPen ownPen_;
    CanvasBrush ownBrush_;
    std::uint32_t penHandle_ = 0;
    std::uint32_t brushHandle_ = 0;
    std::uint32_t fontHandle_ = 0;
    bool fontCurrent_ = false;
    QFont qtFont_;
    std::optional<Colour> textColour_;
};

} // namespace kel
