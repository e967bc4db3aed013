#pragma once
// Base of the vector canvases. A raster shadow of the same size is drawn
// alongside everything they record: it keeps the pen, brush and font,
// answers pixel reads and text extents exactly as the screen would, and runs
// flood fills, which no vector format has, so that the filled region's
// pixels can be embedded instead. A canvas may hand its shapes to the
// shadow late (onShadow): they are drawn only once pixels are needed.

#include "model/Canvas.h"
#include "output/ShadowFill.h"
#include "render/RasterCanvas.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace kel {

class ShadowedCanvas : public Canvas {
public:
    // The raster shadow: the picture as the screen shows it.
    const QImage& shadowImage()
    {
        catchUp();
        return shadow_.pixels();
    }

    QSize size() const override { return shadow_.size(); }

    void setPen(const CanvasPen& pen) override { shadow_.setPen(pen); }
    CanvasPen pen() const override { return shadow_.pen(); }
    void setBrush(const CanvasBrush& brush) override { shadow_.setBrush(brush); }
    CanvasBrush brush() const override { return shadow_.brush(); }
    void setFont(const CanvasFont& font) override { shadow_.setFont(font); }
    CanvasFont font() const override { return shadow_.font(); }

    QSize textExtent(const QString& text) override { return shadow_.textExtent(text); }
    std::optional<Colour> pixel(QPoint at) const override
    {
        catchUp();
        return shadow_.pixel(at);
    }

    // Fills on the shadow and embeds what it painted there.
    void floodFill(QPoint seed, Colour border) final;

protected:
    explicit ShadowedCanvas(QSize size) : shadow_(size) {}

    RasterCanvas& shadow() { return shadow_; }
    // Draws on the shadow, with the pen, brush and font of now, when its
    // pixels are next needed (a flood fill, a pixel read, the image): the
    // shapes after the last fill of a page never cost a pixel.
    void onShadow(std::function<void(RasterCanvas&)> draw);
    const RasterCanvas& shadow() const { return shadow_; }

    // Puts the pixels of a non-empty filled area, which the shadow now
    // holds, into the output.
    virtual void embedFill(const FilledArea& area) = 0;

    // A stretched picture's box with its corners as stored (QRect's width()
    // overflows for boxes across the whole integer range) and the part of
    // it on the canvas.
    struct StretchedBox {
        QRectF whole;
        QRectF visible;
    };
    // Empty when no part of the box is on the canvas.
    std::optional<StretchedBox> onCanvas(const QRect& box) const;

private:
    struct PendingDraw {
        CanvasPen pen;
        CanvasBrush brush;
        CanvasFont font;
        std::function<void(RasterCanvas&)> draw;
    };
    // Draws what is pending, then puts the current pen, brush and font back.
    void catchUp() const;

    mutable RasterCanvas shadow_;
    mutable std::vector<PendingDraw> pending_;
};

} // namespace kel
