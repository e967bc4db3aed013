#include "output/PainterCanvas.h"

#include "output/CanvasFonts.h"
#include "render/Hatch.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kel {

namespace {

constexpr int kMaxPenWidth = 255;

struct Box {
    double left, top, right, bottom;
    bool isEmpty() const { return left == right || top == bottom; }
    // The path an outline takes through the middle of its edge pixels.
    QRectF outline() const { return {left, top, right - left - 1, bottom - top - 1}; }
};

Box Normalised(int left, int top, int right, int bottom)
{
    return {static_cast<double>(std::min(left, right)), static_cast<double>(std::min(top, bottom)),
            static_cast<double>(std::max(left, right)), static_cast<double>(std::max(top, bottom))};
}

// Direction of a point from the box centre as an angle on the circle the
// box's ellipse is stretched from, y up: Qt's arcs count angles that way.
double BoxAngle(const Box& box, QPoint p)
{
    const double a = (box.right - box.left) / 2, b = (box.bottom - box.top) / 2;
    const double dx = (p.x() - (box.left + box.right) / 2) / (a > 0 ? a : 1);
    const double dy = -(p.y() - (box.top + box.bottom) / 2) / (b > 0 ? b : 1);
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

QPolygon Polygon(const std::vector<QPoint>& points)
{
    return QPolygon(QList<QPoint>(points.begin(), points.end()));
}

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter, QSize size)
    : ShadowedCanvas(size), painter_(painter), base_(painter.transform())
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
}

QPen PainterCanvas::qtPen() const
{
    const CanvasPen& pen = shadow().pen();
    QPen qt(QColor::fromRgb(toQRgb(pen.colour)));
    qt.setJoinStyle(Qt::RoundJoin);
    if (pen.style == PenStyle::Dotted) {
        // One pixel on, one off; round caps would close the gaps.
        qt.setWidth(1);
        qt.setCapStyle(Qt::FlatCap);
        qt.setDashPattern({1, 1});
    } else {
        qt.setWidth(std::clamp(pen.width, 1, kMaxPenWidth));
        qt.setCapStyle(Qt::RoundCap);
    }
    return qt;
}

QBrush PainterCanvas::qtBrush() const
{
    const CanvasBrush& brush = shadow().brush();
    const QColor colour = QColor::fromRgb(toQRgb(brush.colour));
    switch (brush.style) {
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::Solid:
        return QBrush(colour);
    default:
        return QBrush(colour, QtHatchPattern(brush.style));
    }
}

void PainterCanvas::place(Placement placement)
{
    if (placement == placement_ && placement != Placement::Turned)
        return;
    placement_ = placement;
    if (placement == Placement::Strokes) {
        painter_.setTransform(QTransform::fromTranslate(0.5, 0.5) * base_);
        // Hatches stay anchored at the page's origin, not at the half pixel.
        painter_.setBrushOrigin(-0.5, -0.5);
    } else if (placement == Placement::Edges) {
        painter_.setTransform(base_);
        painter_.setBrushOrigin(0, 0);
    }
}

void PainterCanvas::useStrokes(bool filled)
{
    place(Placement::Strokes);
    usePen(qtPen());
    useBrush(filled ? qtBrush() : QBrush(Qt::NoBrush));
}

void PainterCanvas::usePen(const QPen& pen)
{
    if (pen_ == pen)
        return;
    painter_.setPen(pen);
    pen_ = pen;
}

void PainterCanvas::useBrush(const QBrush& brush)
{
    if (brush_ == brush)
        return;
    painter_.setBrush(brush);
    brush_ = brush;
}

void PainterCanvas::useFont()
{
    const CanvasFont& font = shadow().font();
    if (!font_ || font_->name != font.name || font_->size != font.size ||
        font_->bold != font.bold || font_->italic != font.italic) {
        qtFont_ = QtFontOf(font);
        ascent_ = QFontMetricsF(qtFont_).ascent();
        painter_.setFont(qtFont_);
    }
    font_ = font;
}

void PainterCanvas::line(QPoint from, QPoint to)
{
    onShadow([=](RasterCanvas& raster) { raster.line(from, to); });
    useStrokes(false);
    painter_.drawLine(from, to);
}

void PainterCanvas::rectangle(int left, int top, int right, int bottom)
{
    onShadow([=](RasterCanvas& raster) { raster.rectangle(left, top, right, bottom); });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    useStrokes(true);
    painter_.drawRect(b.outline());
}

void PainterCanvas::fillRect(int left, int top, int right, int bottom)
{
    onShadow([=](RasterCanvas& raster) { raster.fillRect(left, top, right, bottom); });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty() || shadow().brush().style == BrushStyle::Clear)
        return;
    place(Placement::Edges);
    painter_.fillRect(QRectF(b.left, b.top, b.right - b.left, b.bottom - b.top), qtBrush());
}

void PainterCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                              int cornerHeight)
{
    onShadow([=](RasterCanvas& raster) {
        raster.roundRect(left, top, right, bottom, cornerWidth, cornerHeight);
    });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    useStrokes(true);
    // The corner values are diameters.
    painter_.drawRoundedRect(b.outline(), std::max(cornerWidth, 0) / 2.0,
                             std::max(cornerHeight, 0) / 2.0, Qt::AbsoluteSize);
}

void PainterCanvas::focusRect(int left, int top, int right, int bottom)
{
    onShadow([=](RasterCanvas& raster) { raster.focusRect(left, top, right, bottom); });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    // Vector pages cannot invert; on white a dotted black frame looks the
    // same.
    place(Placement::Strokes);
    QPen dotted(Qt::black);
    dotted.setWidth(1);
    dotted.setCapStyle(Qt::FlatCap);
    dotted.setDashPattern({1, 1});
    usePen(dotted);
    useBrush(Qt::NoBrush);
    painter_.drawRect(b.outline());
}

void PainterCanvas::ellipse(int left, int top, int right, int bottom)
{
    onShadow([=](RasterCanvas& raster) { raster.ellipse(left, top, right, bottom); });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    useStrokes(true);
    painter_.drawEllipse(b.outline());
}

void PainterCanvas::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    onShadow([=](RasterCanvas& raster) { raster.arc(left, top, right, bottom, start, end); });
    const Box b = Normalised(left, top, right, bottom);
    if (b.isEmpty())
        return;
    const double from = BoxAngle(b, start);
    double span = BoxAngle(b, end) - from;
    // Counter-clockwise; the same direction twice is the whole ellipse.
    while (span <= 0)
        span += 360;
    useStrokes(false);
    painter_.drawArc(b.outline(), static_cast<int>(std::lround(from * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void PainterCanvas::polygon(const std::vector<QPoint>& points)
{
    onShadow([=](RasterCanvas& raster) { raster.polygon(points); });
    if (points.empty())
        return;
    useStrokes(true);
    painter_.drawPolygon(Polygon(points), Qt::OddEvenFill);
}

void PainterCanvas::polyline(const std::vector<QPoint>& points)
{
    onShadow([=](RasterCanvas& raster) { raster.polyline(points); });
    if (points.empty())
        return;
    useStrokes(false);
    painter_.drawPolyline(Polygon(points));
}

void PainterCanvas::bezier(const std::vector<QPoint>& points)
{
    onShadow([=](RasterCanvas& raster) { raster.bezier(points); });
    if (points.size() < 4)
        return;
    QPainterPath path(points[0]);
    for (size_t i = 0; i + 3 < points.size(); i += 3)
        path.cubicTo(points[i + 1], points[i + 2], points[i + 3]);
    useStrokes(false);
    painter_.drawPath(path);
}

void PainterCanvas::embedFill(const FilledArea& area)
{
    place(Placement::Edges);
    painter_.drawImage(area.box.topLeft(), FilledPixels(shadow(), area));
}

QTransform PainterCanvas::textPlacement(QPoint at) const
{
    QTransform t;
    t.translate(at.x(), at.y());
    t.rotate(-shadow().font().escapement / 10.0);
    return t * base_;
}

void PainterCanvas::textOut(QPoint at, const QString& text)
{
    onShadow([=](RasterCanvas& raster) { raster.textOut(at, text); });
    if (text.isEmpty())
        return;
    useFont();
    usePen(QColor::fromRgb(toQRgb(shadow().font().colour)));
    if (shadow().font().escapement == 0) {
        place(Placement::Edges);
        painter_.drawText(QPointF(at.x(), at.y() + ascent_), text);
        return;
    }
    place(Placement::Turned);
    painter_.setTransform(textPlacement(at));
    painter_.drawText(QPointF(0, ascent_), text);
}

void PainterCanvas::textPath(QPoint at, const QString& text)
{
    onShadow([=](RasterCanvas& raster) { raster.textPath(at, text); });
    if (text.isEmpty())
        return;
    const QFont f = QtFontOf(shadow().font());
    QPainterPath path;
    path.addText(0, QFontMetricsF(f).ascent(), f, text);
    place(Placement::Turned);
    painter_.setTransform(textPlacement(at));
    painter_.setBrushOrigin(0, 0);
    usePen(qtPen());
    useBrush(qtBrush());
    painter_.drawPath(path);
}

void PainterCanvas::drawImage(QPoint at, const QImage& image)
{
    onShadow([=](RasterCanvas& raster) { raster.drawImage(at, image); });
    if (image.isNull())
        return;
    place(Placement::Edges);
    painter_.drawImage(at, image);
}

void PainterCanvas::stretchImage(const QRect& box, const QImage& image)
{
    onShadow([=](RasterCanvas& raster) { raster.stretchImage(box, image); });
    if (image.isNull())
        return;
    // Only the part on the page is embedded.
    const std::optional<StretchedBox> part = onCanvas(box);
    if (!part)
        return;
    const QRectF &whole = part->whole, &visible = part->visible;
    const QRectF source((visible.left() - whole.left()) * image.width() / whole.width(),
                        (visible.top() - whole.top()) * image.height() / whole.height(),
                        visible.width() * image.width() / whole.width(),
                        visible.height() * image.height() / whole.height());
    place(Placement::Edges);
    painter_.drawImage(visible, image, source);
}

void PainterCanvas::setPixel(QPoint at, Colour colour)
{
    onShadow([=](RasterCanvas& raster) { raster.setPixel(at, colour); });
    place(Placement::Edges);
    painter_.fillRect(QRect(at, QSize(1, 1)), QColor::fromRgb(toQRgb(colour)));
}

} // namespace kel
