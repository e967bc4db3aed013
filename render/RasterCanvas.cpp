#include "render/RasterCanvas.h"

#include "render/FarGeometry.h"
#include "render/Hatch.h"
#include "render/TextStamps.h"

#include <QPen>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

namespace kel {

namespace {

// Shapes reaching further than this beyond the canvas go the far way.
constexpr long long kDirectMargin = 2048;
constexpr int kMaxPenWidth = 255;
constexpr int kMaxFontPixels = 2000;
constexpr int kDefaultFontPixels = 16;

void InstallFontSubstitutes()
{
    static std::once_flag once;
    std::call_once(once, [] {
        // The Liberation fonts share the metrics of the fonts drawings name.
        QFont::insertSubstitution(QStringLiteral("Times New Roman"),
                                  QStringLiteral("Liberation Serif"));
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                                  QStringLiteral("Liberation Sans Narrow"));
        QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    });
}

struct Bounds {
    long long left, top, right, bottom;
};

Bounds BoundsOf(std::span<const QPointF> points)
{
    Bounds b{0, 0, 0, 0};
    if (points.empty())
        return b;
    double l = points[0].x(), t = points[0].y(), r = l, btm = t;
    for (const QPointF& p : points) {
        l = std::min(l, p.x());
        r = std::max(r, p.x());
        t = std::min(t, p.y());
        btm = std::max(btm, p.y());
    }
    return {static_cast<long long>(std::floor(l)), static_cast<long long>(std::floor(t)),
            static_cast<long long>(std::ceil(r)), static_cast<long long>(std::ceil(btm))};
}

// Box corners as stored may come in any order.
Bounds Normalised(long long l, long long t, long long r, long long b)
{
    return {std::min(l, r), std::min(t, b), std::max(l, r), std::max(t, b)};
}

// Direction of a point seen from the centre of the box, as an angle on the
// circle the box's ellipse is stretched from (y up).
double BoxAngle(const Bounds& box, QPoint p)
{
    const double cx = (static_cast<double>(box.left) + static_cast<double>(box.right)) / 2;
    const double cy = (static_cast<double>(box.top) + static_cast<double>(box.bottom)) / 2;
    const double a = (static_cast<double>(box.right) - static_cast<double>(box.left)) / 2;
    const double b = (static_cast<double>(box.bottom) - static_cast<double>(box.top)) / 2;
    const double dx = (p.x() - cx) / (a > 0 ? a : 1);
    const double dy = -(p.y() - cy) / (b > 0 ? b : 1);
    return std::atan2(dy, dx) * 180 / std::numbers::pi;
}

} // namespace

RasterCanvas::RasterCanvas(QSize size, int scale) : scale_(std::clamp(scale, 1, 16))
{
    InstallFontSubstitutes();
    reset(size);
}

RasterCanvas::RasterCanvas(QSize size, const QImage* backdrop) : backdrop_(backdrop)
{
    InstallFontSubstitutes();
    reset(size);
}

RasterCanvas::RasterCanvas(QSize size, int scale, int firstRow, int rows)
    : scale_(std::clamp(scale, 1, 16)), firstRow_(firstRow), bandRows_(std::max(rows, 1))
{
    InstallFontSubstitutes();
    reset(size);
}

RasterCanvas::RasterCanvas(uchar* bits, qsizetype bytesPerLine, QSize size, int scale, int firstRow,
                           int rows)
    : scale_(std::clamp(scale, 1, 16)), firstRow_(firstRow), bandRows_(std::max(rows, 1)),
      size_(size.expandedTo(QSize(1, 1)))
{
    InstallFontSubstitutes();
    image_ = QImage(bits, size_.width() * scale_, bandRows_, bytesPerLine, QImage::Format_RGB32);
}

RasterCanvas::~RasterCanvas()
{
    finish();
}

void RasterCanvas::reset(QSize size)
{
    finish();
    size_ = size.expandedTo(QSize(1, 1));
    const QSize pixels = size_ * scale_;
    image_ = QImage(bandRows_ > 0 ? QSize(pixels.width(), bandRows_) : pixels,
                    isLayer() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    clear();
}

void RasterCanvas::setBand(int firstRow)
{
    finish();
    firstRow_ = firstRow;
    clear();
}

void RasterCanvas::clear()
{
    // QImage::fill goes to the pixels directly, painter open or not.
    image_.fill(isLayer() ? QRgb(0) : toQRgb(kWhite));
}

QImage& RasterCanvas::pixels()
{
    finish();
    return image_;
}

void RasterCanvas::finish()
{
    if (painter_.isActive())
        painter_.end();
}

QPainter& RasterCanvas::painter()
{
    if (!painter_.isActive() && !image_.isNull()) {
        painter_.begin(&image_);
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.setRenderHint(QPainter::TextAntialiasing, false);
        transform_ = Transform::None;
        penApplied_ = false;
    }
    return painter_;
}

void RasterCanvas::useAreaTransform()
{
    QPainter& p = painter();
    if (transform_ == Transform::Area)
        return;
    p.setTransform(QTransform::fromScale(scale_, scale_) *
                   QTransform::fromTranslate(0, -firstRow_));
    transform_ = Transform::Area;
}

void RasterCanvas::setPen(const CanvasPen& pen)
{
    if (pen.colour == pen_.colour && pen.width == pen_.width && pen.style == pen_.style)
        return;
    pen_ = pen;
    penApplied_ = false;
}

void RasterCanvas::setBrush(const CanvasBrush& brush)
{
    brush_ = brush;
}

void RasterCanvas::setFont(const CanvasFont& font)
{
    font_ = font;
    currentFace_ = -1;
    for (int i = 0; i < facesUsed_; ++i) {
        const Face& f = faces_[static_cast<size_t>(i)];
        if (f.size == font.size && f.bold == font.bold && f.italic == font.italic &&
            f.name == font.name) {
            currentFace_ = i;
            break;
        }
    }
}

void RasterCanvas::applyPen()
{
    if (penApplied_)
        return;
    QPen pen(QColor::fromRgb(toQRgb(pen_.colour)));
    pen.setWidth(std::clamp(pen_.width, 1, kMaxPenWidth));
    pen.setJoinStyle(Qt::RoundJoin);
    if (pen_.style == PenStyle::Dotted) {
        // One pixel on, one off; round caps would close the gaps.
        pen.setCapStyle(Qt::FlatCap);
        pen.setDashPattern({1, 1});
    } else {
        pen.setCapStyle(Qt::RoundCap);
    }
    painter().setPen(pen);
    penApplied_ = true;
}

QBrush RasterCanvas::makeBrush() const
{
    switch (brush_.style) {
    case BrushStyle::Clear:
        return Qt::NoBrush;
    case BrushStyle::Solid:
        return QBrush(QColor::fromRgb(toQRgb(brush_.colour)));
    default:
        return HatchBrush(brush_.style, brush_.colour);
    }
}

const RasterCanvas::Face& RasterCanvas::face()
{
    if (currentFace_ < 0) {
        Face& f = faces_[static_cast<size_t>(nextFace_)];
        currentFace_ = nextFace_;
        nextFace_ = (nextFace_ + 1) % static_cast<int>(faces_.size());
        facesUsed_ = std::max(facesUsed_, currentFace_ + 1);
        f.name = font_.name;
        f.size = font_.size;
        f.bold = font_.bold;
        f.italic = font_.italic;
        f.font = QFont(font_.name);
        // Points at 96 dots per inch; 0 asks for the default height.
        const long long points = std::llabs(static_cast<long long>(font_.size));
        const long long pixels = points == 0 ? kDefaultFontPixels : (points * 96 + 36) / 72;
        f.font.setPixelSize(static_cast<int>(std::clamp<long long>(pixels, 1, kMaxFontPixels)));
        f.font.setBold(font_.bold);
        f.font.setItalic(font_.italic);
        f.font.setStyleStrategy(QFont::NoAntialias);
        f.key = TextStamps::faceKey(f.font);
    }
    return faces_[static_cast<size_t>(currentFace_)];
}

bool RasterCanvas::nearCanvas(long long left, long long top, long long right,
                              long long bottom) const
{
    return left >= -kDirectMargin && top >= -kDirectMargin &&
           right <= size_.width() + kDirectMargin && bottom <= size_.height() + kDirectMargin;
}

QRectF RasterCanvas::clipWindow() const
{
    const double margin = std::clamp(pen_.width, 1, kMaxPenWidth) + 4.0;
    return QRectF(-margin, -margin, size_.width() + 2 * margin, size_.height() + 2 * margin);
}

double RasterCanvas::penPixels() const
{
    return static_cast<double>(scale_) * std::clamp(pen_.width, 1, kMaxPenWidth);
}

std::optional<Ink> RasterCanvas::brushInk() const
{
    if (brush_.style == BrushStyle::Clear)
        return std::nullopt;
    return Ink{toQRgb(brush_.colour), brush_.style, scale_};
}

QRectF RasterCanvas::imageOutline(const QRectF& outline) const
{
    return QRectF(centre(outline.left()), centre(outline.top()), scale_ * outline.width(),
                  scale_ * outline.height());
}

void RasterCanvas::strokePath(std::span<const QPointF> points, bool closed)
{
    const size_t n = points.size();
    if (n == 0)
        return;
    FastRaster raster = this->raster();
    const QRgb ink = toQRgb(pen_.colour);
    const bool dotted = pen_.style == PenStyle::Dotted;
    if (thinPen()) {
        raster.thinPolyline(points, closed, ink, dotted);
        return;
    }
    std::vector<QPointF> path;
    path.reserve(n + 1);
    for (const QPointF& p : points)
        path.emplace_back(centre(p.x()), centre(p.y()));
    if (closed && n > 2)
        path.push_back(path.front());
    const double width = penPixels();
    if (dotted) {
        // One unit on, one off along the path.
        raster.dashedPath(path, width, scale_, ink);
        return;
    }
    if (path.size() == 1)
        raster.wideLine(path[0], path[0], width, ink, true);
    else
        raster.widePath(path, width, ink);
}

void RasterCanvas::fillArea(std::span<const QPointF> points, bool onPath)
{
    const std::optional<Ink> ink = brushInk();
    if (!ink || points.size() < 3)
        return;
    std::vector<QPointF> area;
    area.reserve(points.size());
    for (const QPointF& p : points)
        area.push_back(onPath ? QPointF(centre(p.x()), centre(p.y())) : p * scale_);
    raster().polygonFill(area, *ink);
}

void RasterCanvas::drawShape(std::span<const QPointF> points, bool closed, bool filled, bool onPath)
{
    const Bounds b = BoundsOf(points);
    if (nearCanvas(b.left, b.top, b.right, b.bottom)) {
        if (filled)
            fillArea(points, onPath);
        strokePath(points, closed);
        return;
    }
    // Only what can reach the canvas, with moderate coordinates.
    const QRectF window = clipWindow();
    if (filled)
        fillArea(ClipPolygon(points, window), onPath);
    for (const PolylineF& piece : ClipPolyline(points, window, closed))
        strokePath(piece, false);
}

void RasterCanvas::line(QPoint from, QPoint to)
{
    if (image_.isNull())
        return;
    const QPointF ends[] = {from, to};
    drawShape(ends, false, false, true);
}

void RasterCanvas::rectangle(int left, int top, int right, int bottom)
{
    const Bounds b = Normalised(left, top, right, bottom);
    if (image_.isNull() || b.right == b.left || b.bottom == b.top)
        return;
    // The outline runs through the pixels left..right - 1; the inside is
    // filled on pixel corners from left to right - 1.
    const QRectF outline = OutlineRect(b.left, b.top, b.right, b.bottom);
    const QPointF corners[] = {outline.topLeft(), outline.topRight(), outline.bottomRight(),
                               outline.bottomLeft()};
    drawShape(corners, true, true, false);
}

void RasterCanvas::fillRect(int left, int top, int right, int bottom)
{
    if (image_.isNull() || brush_.style == BrushStyle::Clear)
        return;
    Bounds b = Normalised(left, top, right, bottom);
    // Only the part on the canvas matters, and it always fits.
    b.left = std::max<long long>(b.left, 0);
    b.top = std::max<long long>(b.top, 0);
    b.right = std::min<long long>(b.right, size_.width());
    b.bottom = std::min<long long>(b.bottom, size_.height());
    if (b.right <= b.left || b.bottom <= b.top)
        return;
    raster().fillRect(static_cast<int>(b.left) * scale_, static_cast<int>(b.top) * scale_,
                      static_cast<int>(b.right) * scale_, static_cast<int>(b.bottom) * scale_,
                      *brushInk());
}

void RasterCanvas::roundRect(int left, int top, int right, int bottom, int cornerWidth,
                             int cornerHeight)
{
    const Bounds b = Normalised(left, top, right, bottom);
    if (image_.isNull() || b.right == b.left || b.bottom == b.top)
        return;
    // The corner values are the diameters of the corner ellipses.
    const QRectF outline = OutlineRect(b.left, b.top, b.right, b.bottom);
    const QRectF window = clipWindow();
    const PolylineF points = RoundRectPoints(outline, std::max(0.0, cornerWidth / 2.0),
                                             std::max(0.0, cornerHeight / 2.0), &window);
    drawShape(points, false, true, true);
}

void RasterCanvas::ellipse(int left, int top, int right, int bottom)
{
    const Bounds b = Normalised(left, top, right, bottom);
    if (image_.isNull() || b.right == b.left || b.bottom == b.top)
        return;
    const QRectF outline = OutlineRect(b.left, b.top, b.right, b.bottom);
    if (!nearCanvas(b.left, b.top, b.right, b.bottom) || pen_.style == PenStyle::Dotted) {
        const QRectF window = clipWindow();
        const PolylineF ring = EllipsePoints(outline, 0, 360, &window);
        drawShape(ring, false, true, true);
        return;
    }
    const std::optional<Ink> ink = brushInk();
    raster().ellipse(imageOutline(outline), penPixels(), toQRgb(pen_.colour),
                     ink ? &*ink : nullptr);
}

void RasterCanvas::arc(int left, int top, int right, int bottom, QPoint start, QPoint end)
{
    const Bounds b = Normalised(left, top, right, bottom);
    if (image_.isNull() || b.right == b.left || b.bottom == b.top)
        return;
    const double from = BoxAngle(b, start);
    double span = BoxAngle(b, end) - from;
    // Counter-clockwise; the same direction twice is the whole ellipse.
    while (span <= 0)
        span += 360;
    const QRectF outline = OutlineRect(b.left, b.top, b.right, b.bottom);
    if (!nearCanvas(b.left, b.top, b.right, b.bottom) || pen_.style == PenStyle::Dotted) {
        const QRectF window = clipWindow();
        const PolylineF points = EllipsePoints(outline, from, span, &window);
        drawShape(points, false, false, true);
        return;
    }
    raster().arc(imageOutline(outline), from, span, penPixels(), toQRgb(pen_.colour));
}

void RasterCanvas::polygon(const std::vector<QPoint>& points)
{
    if (image_.isNull() || points.empty())
        return;
    const std::vector<QPointF> corners(points.begin(), points.end());
    drawShape(corners, true, true, false);
}

void RasterCanvas::polyline(const std::vector<QPoint>& points)
{
    if (image_.isNull() || points.empty())
        return;
    const std::vector<QPointF> path(points.begin(), points.end());
    drawShape(path, false, false, true);
}

void RasterCanvas::bezier(const std::vector<QPoint>& points)
{
    if (image_.isNull() || points.size() < 4)
        return;
    const size_t used = 1 + (points.size() - 1) / 3 * 3;
    PolylineF flat{QPointF(points[0])};
    for (size_t i = 0; i + 3 < used; i += 3) {
        const PolylineF part = BezierPoints(points[i], points[i + 1], points[i + 2], points[i + 3]);
        flat.insert(flat.end(), part.begin() + 1, part.end());
    }
    drawShape(flat, false, false, true);
}

} // namespace kel
