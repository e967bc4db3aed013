#include "render/RasterCanvas.h"

#include "render/FloodFill.h"
#include "render/Hatch.h"
#include "render/TextStamps.h"

#include <QFontMetrics>
#include <QPainterPath>

#include <algorithm>

// The parts of the raster canvas that work on pixels one by one (the focus
// rectangle, flood fill, pixel access) and the text and picture output.

namespace kel {

namespace {

// Text further than its own size and this margin from the canvas is skipped.
constexpr long long kTextMargin = 2048;

} // namespace

void RasterCanvas::focusRect(int left, int top, int right, int bottom)
{
    if (image_.isNull())
        return;
    // The pixels are changed directly; the raster painter holds no pending
    // work, so it may stay open.
    // In image pixels; each pixel of the outline is inverted exactly once.
    const long long l = std::min<long long>(left, right) * scale_;
    const long long t = std::min<long long>(top, bottom) * scale_ - firstRow_;
    const long long r = std::max<long long>(left, right) * scale_ - 1;
    const long long btm = std::max<long long>(top, bottom) * scale_ - 1 - firstRow_;
    if (r < l || btm < t)
        return;
    const long long w = image_.width(), h = image_.height();
    auto invert = [&](long long x, long long y) {
        if (((x + y + firstRow_) & 1) != 0)
            return; // dotted: every other pixel
        const int ix = static_cast<int>(x), iy = static_cast<int>(y);
        putPixel(ix, iy, seenPixel(ix, iy) ^ 0xFFFFFFu);
    };
    // Top and bottom rows, then the columns between them; a box one pixel
    // high or wide has one row or column only.
    const long long x0 = std::max(l, 0LL), x1 = std::min(r, w - 1);
    const long long rows[] = {t, btm};
    for (int i = 0; i < (btm == t ? 1 : 2); ++i) {
        if (rows[i] < 0 || rows[i] >= h)
            continue;
        for (long long x = x0; x <= x1; ++x)
            invert(x, rows[i]);
    }
    const long long y0 = std::max(t + 1, 0LL), y1 = std::min(btm - 1, h - 1);
    const long long columns[] = {l, r};
    for (int i = 0; i < (r == l ? 1 : 2); ++i) {
        if (columns[i] < 0 || columns[i] >= w)
            continue;
        for (long long y = y0; y <= y1; ++y)
            invert(columns[i], y);
    }
}

void RasterCanvas::floodFill(QPoint seed, Colour border)
{
    if (image_.isNull() || bandRows_ > 0)
        return;
    const long long sx = static_cast<long long>(seed.x()) * scale_ + scale_ / 2;
    const long long sy = static_cast<long long>(seed.y()) * scale_ + scale_ / 2;
    if (sx < 0 || sy < 0 || sx >= image_.width() || sy >= image_.height())
        return;
    const QPoint deviceSeed(static_cast<int>(sx), static_cast<int>(sy));
    const std::vector<FillSpan> region = isLayer() ? FindFillRegion(seenImage(), deviceSeed, border)
                                                   : FindFillRegion(image_, deviceSeed, border);
    if (brush_.style == BrushStyle::Clear)
        return;
    const QRgb ink = toQRgb(brush_.colour);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (const FillSpan& span : region)
        PaintHatchSpan(reinterpret_cast<QRgb*>(bits + span.y * stride), span.x1, span.x2, span.y,
                       brush_.style, scale_, ink);
}

QTransform RasterCanvas::textTransform(QPoint at) const
{
    QTransform t;
    if (scale_ > 1)
        t.scale(scale_, scale_);
    t.translate(at.x(), at.y());
    t.rotate(-font_.escapement / 10.0);
    return t * QTransform::fromTranslate(0, -firstRow_);
}

void RasterCanvas::textOut(QPoint at, const QString& text)
{
    if (image_.isNull() || text.isEmpty())
        return;
    const Face& face = this->face();
    const QFont& f = face.font;
    // Text longer than the canvas is wide cannot reach it from further away.
    const QSize extent = TextStamps::shared().extent(f, face.key, text);
    const long long reach =
        static_cast<long long>(extent.width()) + extent.height() + f.pixelSize() + kTextMargin;
    if (at.x() + reach < 0 || at.y() + reach < 0 || at.x() - reach > size_.width() ||
        at.y() - reach > size_.height())
        return;
    const long long ax = static_cast<long long>(at.x()) * scale_;
    const long long ay = static_cast<long long>(at.y()) * scale_ - firstRow_;
    const long long width = image_.width(), height = image_.height();
    // The image relative to the anchor; far corners are clamped, as no stamp
    // reaches them.
    const auto relative = [](long long v) {
        return static_cast<int>(std::clamp(v, -(1LL << 30), 1LL << 30));
    };
    const QRect window(QPoint(relative(-ax), relative(-ay)),
                       QPoint(relative(width - 1 - ax), relative(height - 1 - ay)));
    const std::shared_ptr<const TextStamps::Stamp> stamp =
        TextStamps::shared().stamp(f, face.key, font_.escapement, scale_, text, window);
    const QRgb ink = toQRgb(font_.colour);
    uchar* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    const QRect& area = stamp->bounds;
    if (area.isEmpty() || ay + area.bottom() < 0 || ay + area.top() >= height)
        return; // above or below the image (or the band of it held)
    if (ax + area.left() >= 0 && ay + area.top() >= 0 && ax + area.right() < width &&
        ay + area.bottom() < height) {
        // Wholly on the canvas: no clipping per run.
        for (const TextStamps::Run& run : stamp->runs) {
            QRgb* line = reinterpret_cast<QRgb*>(bits + (ay + run.y) * stride) + ax;
            for (int x = run.x1; x <= run.x2; ++x)
                line[x] = ink;
        }
        return;
    }
    for (const TextStamps::Run& run : stamp->runs) {
        const long long y = ay + run.y;
        const long long x1 = std::max(ax + run.x1, 0LL);
        const long long x2 = std::min(ax + run.x2, width - 1);
        if (y < 0 || y >= height || x1 > x2)
            continue;
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + x1, x2 - x1 + 1, ink);
    }
}

QSize RasterCanvas::textExtent(const QString& text)
{
    const Face& face = this->face();
    return TextStamps::shared().extent(face.font, face.key, text);
}

void RasterCanvas::textPath(QPoint at, const QString& text)
{
    if (image_.isNull() || text.isEmpty())
        return;
    const QFont& f = face().font;
    const QFontMetrics metrics(f);
    const long long reach =
        static_cast<long long>(metrics.horizontalAdvance(text)) + metrics.height() + kTextMargin;
    if (at.x() + reach < 0 || at.y() + reach < 0 || at.x() - reach > size_.width() ||
        at.y() - reach > size_.height())
        return;
    QPainterPath path;
    path.addText(0, metrics.ascent(), f, text);
    QPainter& p = painter();
    p.setTransform(textTransform(at));
    transform_ = Transform::None;
    if (brush_.style != BrushStyle::Clear)
        p.fillPath(path, makeBrush());
    applyPen();
    p.strokePath(path, p.pen());
}

void RasterCanvas::drawImage(QPoint at, const QImage& image)
{
    if (image_.isNull() || image.isNull())
        return;
    const long long right = static_cast<long long>(at.x()) + image.width();
    const long long bottom = static_cast<long long>(at.y()) + image.height();
    if (right <= 0 || bottom <= 0 || at.x() >= size_.width() || at.y() >= size_.height())
        return;
    useAreaTransform();
    painter().drawImage(at, image);
}

void RasterCanvas::stretchImage(const QRect& box, const QImage& image)
{
    if (image_.isNull() || image.isNull())
        return;
    // QRect's own right() and width() overflow for boxes across the whole
    // integer range, so the corners are taken as they are stored.
    const double l = box.left(), t = box.top();
    const double w = static_cast<double>(box.right()) - l + 1;
    const double h = static_cast<double>(box.bottom()) - t + 1;
    if (w <= 0 || h <= 0)
        return;
    const QRectF target(l, t, w, h);
    const QRectF visible = target.intersected(QRectF(QPointF(0, 0), QSizeF(size_)));
    if (visible.isEmpty())
        return;
    // The part of the picture that lands on the canvas.
    const QRectF source((visible.left() - l) * image.width() / w,
                        (visible.top() - t) * image.height() / h,
                        visible.width() * image.width() / w, visible.height() * image.height() / h);
    useAreaTransform();
    painter().drawImage(visible, image, source);
}

QRgb RasterCanvas::seenPixel(int x, int y) const
{
    const QRgb own = reinterpret_cast<const QRgb*>(image_.constScanLine(y))[x];
    if (!isLayer() || qAlpha(own) != 0)
        return own;
    if (x < backdrop_->width() && y < backdrop_->height())
        return reinterpret_cast<const QRgb*>(backdrop_->constScanLine(y))[x];
    return toQRgb(kWhite);
}

void RasterCanvas::putPixel(int x, int y, QRgb rgb)
{
    reinterpret_cast<QRgb*>(image_.scanLine(y))[x] = rgb | 0xFF000000u;
}

QImage RasterCanvas::seenImage() const
{
    QImage seen(image_.size(), QImage::Format_RGB32);
    seen.fill(toQRgb(kWhite));
    QPainter p(&seen);
    if (backdrop_)
        p.drawImage(0, 0, *backdrop_);
    p.drawImage(0, 0, image_);
    return seen;
}

std::optional<Colour> RasterCanvas::pixel(QPoint at) const
{
    const long long x = static_cast<long long>(at.x()) * scale_;
    const long long y = static_cast<long long>(at.y()) * scale_ - firstRow_;
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return std::nullopt;
    return fromQRgb(seenPixel(static_cast<int>(x), static_cast<int>(y)));
}

void RasterCanvas::setPixel(QPoint at, Colour colour)
{
    const long long x = static_cast<long long>(at.x()) * scale_;
    const long long y = static_cast<long long>(at.y()) * scale_ - firstRow_;
    if (image_.isNull() || x < 0 || y < 0 || x >= image_.width() || y >= image_.height())
        return;
    // The unit's block of pixels; units are whole blocks of the image.
    const QRgb rgb = toQRgb(colour) | 0xFF000000u;
    for (int dy = 0; dy < scale_; ++dy)
        std::fill_n(reinterpret_cast<QRgb*>(image_.scanLine(static_cast<int>(y) + dy)) + x, scale_,
                    rgb);
}

} // namespace kel
