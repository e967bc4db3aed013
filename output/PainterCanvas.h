#pragma once
// A canvas on a QPainter, for the vector exports (SVG and PDF) and for
// printing. Shapes follow the box rules of the raster canvas: outlines run
// through the middle of the pixels the screen paints, fills end on the same
// pixel edges. Flood fills are embedded as the filled region's pixels.
//
// The painter's transform when the canvas is made maps canvas units to the
// device (a scale for a page size, say) and stays in force.

#include "output/ShadowedCanvas.h"

#include <QBrush>
#include <QFont>
#include <QPainter>
#include <QPen>
#include <QTransform>

#include <optional>

namespace kel {

class PainterCanvas final : public ShadowedCanvas {
public:
    // `painter` must be active and outlive the canvas.
    PainterCanvas(QPainter& painter, QSize size);

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

    // Where painted coordinates land. Outlines and the fills inside them
    // stroke through pixel centres; fills, pictures and text sit on pixel
    // edges; turned text has a transform of its own.
    enum class Placement { Unset, Strokes, Edges, Turned };
    void place(Placement placement);
    // Outlines with the canvas pen, filled with its brush when asked.
    void useStrokes(bool filled);
    // Painter state changes only when it differs: each change costs the
    // vector devices a new group of attributes.
    void usePen(const QPen& pen);
    void useBrush(const QBrush& brush);
    void useFont();
    QPen qtPen() const;
    QBrush qtBrush() const;
    QTransform textPlacement(QPoint at) const;

    QPainter& painter_;
    QTransform base_;
    Placement placement_ = Placement::Unset;
    std::optional<QPen> pen_;
    std::optional<QBrush> brush_;
    std::optional<CanvasFont> font_;
    QFont qtFont_;
    double ascent_ = 0;
};

} // namespace kel
