#pragma once
// The canvas on a QImage: the off-screen bitmap, the preview layer over it,
// scratch bitmaps and the four-times bitmap of Enhance Image. Drawing is
// aliased. Shapes follow the box rules of Canvas and are rasterised directly
// (FastRaster.h); text and pictures go through QPainter. Hatches come from
// Hatch.h; flood fills find their region first and paint it afterwards.
//
// A canvas either owns an opaque white Format_RGB32 bitmap, or is a layer: a
// transparent image over a backdrop bitmap, which the previews and the row
// highlight paint on so the bitmap itself stays untouched. Reading a pixel
// of a layer (and flood filling it) sees the backdrop wherever the layer is
// still empty, and inverting (the focus rectangle) inverts what is seen.
//
// With a scale above 1 every unit of the canvas covers scale x scale pixels
// of the image, pens and fonts included; Enhance Image draws at 4, a band of
// the picture at a time: a band canvas draws as the whole canvas would and
// keeps only the image rows of its band.

#include "model/Canvas.h"
#include "render/FastRaster.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <QTransform>

#include <array>
#include <optional>
#include <span>

namespace kel {

class RasterCanvas final : public Canvas {
public:
    // An opaque white bitmap of `size` units.
    explicit RasterCanvas(QSize size = QSize(1, 1), int scale = 1);
    // A transparent layer of `size` over `backdrop` (which must outlive it).
    RasterCanvas(QSize size, const QImage* backdrop);
    // The image rows firstRow .. firstRow + rows - 1 of an opaque white
    // bitmap of `size` units at `scale`; firstRow is a whole unit. A band
    // cannot flood fill: the region depends on rows it does not hold.
    RasterCanvas(QSize size, int scale, int firstRow, int rows);
    // The same band drawn where it already is: `bits` holds the band's
    // first row of an opaque picture begun elsewhere (its rows
    // `bytesPerLine` apart), which must outlive the canvas. Nothing is
    // cleared or copied.
    RasterCanvas(uchar* bits, qsizetype bytesPerLine, QSize size, int scale, int firstRow,
                 int rows);
    ~RasterCanvas() override;
    RasterCanvas(const RasterCanvas&) = delete;
    RasterCanvas& operator=(const RasterCanvas&) = delete;

    // A new image of `size` units, cleared.
    void reset(QSize size);
    // Moves a band to hold the image rows from firstRow on, cleared.
    void setBand(int firstRow);
    // White, or transparent for a layer.
    void clear();
    bool isLayer() const { return backdrop_ != nullptr; }
    int scale() const { return scale_; }

    // The image. Drawing keeps a painter open on it; finish() closes it
    // before the image is handed on or its pixels are changed directly.
    const QImage& image() const { return image_; }
    QImage& pixels();
    void finish();

    QSize size() const override { return size_; }

    void setPen(const CanvasPen& pen) override;
    CanvasPen pen() const override { return pen_; }
    void setBrush(const CanvasBrush& brush) override;
    CanvasBrush brush() const override { return brush_; }
    void setFont(const CanvasFont& font) override;
    CanvasFont font() const override { return font_; }

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
    void floodFill(QPoint seed, Colour border) override;

    void textOut(QPoint at, const QString& text) override;
    QSize textExtent(const QString& text) override;
    void textPath(QPoint at, const QString& text) override;

    void drawImage(QPoint at, const QImage& image) override;
    void stretchImage(const QRect& box, const QImage& image) override;

    std::optional<Colour> pixel(QPoint at) const override;
    void setPixel(QPoint at, Colour colour) override;

private:
    QPainter& painter();
    // Pictures are drawn through a transform that puts unit (x, y) on the
    // corner of its scale x scale block of pixels.
    void useAreaTransform();
    void applyPen();
    QBrush makeBrush() const;
    // The Qt font of the canvas font, and the key TextStamps knows its face
    // by. Texts switch between a few faces, so the last ones are kept.
    struct Face {
        QString name;
        int size = 0;
        bool bold = false;
        bool italic = false;
        QFont font;
        QString key;
    };
    const Face& face();

    // Whether the box lies close enough to the canvas to rasterise as it is;
    // otherwise the shape is clipped first (FarGeometry.h).
    bool nearCanvas(long long left, long long top, long long right, long long bottom) const;
    QRectF clipWindow() const;

    // Shapes are rasterised directly (FastRaster.h). A one-pixel pen at
    // scale 1 draws with Bresenham; wider pens, and every pen at a larger
    // scale, as areas.
    bool thinPen() const { return scale_ == 1 && pen_.width <= 1; }
    // Where a stroke through a canvas coordinate runs in the image: on the
    // coordinate itself at scale 1 (as QPainter strokes), through the middle
    // of the unit's block of pixels above.
    double centre(double v) const { return scale_ == 1 ? v : scale_ * v + scale_ / 2.0; }
    double penPixels() const;
    std::optional<Ink> brushInk() const;
    QRectF imageOutline(const QRectF& outline) const;
    // The path through canvas coordinates, with the pen.
    void strokePath(std::span<const QPointF> points, bool closed);
    // The area with the brush; its corners are taken on the path (as an
    // ellipse's fill meets its outline) or on pixel corners (polygons).
    void fillArea(std::span<const QPointF> points, bool onPath);
    // Fill and outline, clipped to the canvas when the shape reaches far.
    void drawShape(std::span<const QPointF> points, bool closed, bool filled, bool onPath);

    FastRaster raster() { return FastRaster(image_, firstRow_); }
    QRgb seenPixel(int x, int y) const; // device pixel, backdrop included
    void putPixel(int x, int y, QRgb rgb);
    QImage seenImage() const;
    QTransform textTransform(QPoint at) const;

    QImage image_;
    const QImage* backdrop_ = nullptr;
    int scale_ = 1;
    int firstRow_ = 0; // of a band: the first image row held, and how many
    int bandRows_ = 0;
    QSize size_;
    QPainter painter_;
    enum class Transform { None, Area };
    Transform transform_ = Transform::None;

    CanvasPen pen_;
    CanvasBrush brush_;
    CanvasFont font_;
    bool penApplied_ = false;
    std::array<Face, 4> faces_;
    int facesUsed_ = 0;
    int nextFace_ = 0;
    int currentFace_ = -1;
};

} // namespace kel
