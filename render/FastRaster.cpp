#include "render/FastRaster.h"

#include "render/Hatch.h"
#include "render/RasterRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

namespace kel {

namespace {

constexpr double kDegree = std::numbers::pi / 180;

using raster::Ceil;
using raster::Floor;
using raster::Round;

// A solid run, in chunks of eight that the compiler writes several pixels
// at a time.
void FillPixels(QRgb* pixels, int count, QRgb colour)
{
    int i = 0;
    for (; i + 8 <= count; i += 8)
        for (int k = 0; k < 8; ++k)
            pixels[i + k] = colour;
    for (; i < count; ++i)
        pixels[i] = colour;
}

} // namespace

// Which pixels of an ellipse belong to an arc: those whose direction from
// the centre, on the circle the ellipse is stretched from, lies between the
// start and the end direction.
struct FastRaster::Sector {
    double cx, cy, ia, ib; // centre and inverse half axes
    double sx, sy, ex, ey;
    bool wide; // more than half a turn

    Sector(const QRectF& outline, double startDeg, double spanDeg)
        : cx(outline.center().x()), cy(outline.center().y()),
          ia(outline.width() > 0 ? 2 / outline.width() : 1),
          ib(outline.height() > 0 ? 2 / outline.height() : 1), sx(std::cos(startDeg * kDegree)),
          sy(std::sin(startDeg * kDegree)), ex(std::cos((startDeg + spanDeg) * kDegree)),
          ey(std::sin((startDeg + spanDeg) * kDegree)), wide(spanDeg > 180)
    {
    }
    // What contains() needs of row y, worked out once for the row.
    struct Row {
        double startV, endV;
    };
    Row row(int y) const
    {
        const double v = (cy - y) * ib;
        return {sx * v, v * ex};
    }
    bool contains(int x, const Row& r) const
    {
        const double u = (x - cx) * ia;
        const bool afterStart = r.startV - sy * u >= 0;
        const bool beforeEnd = u * ey - r.endV >= 0;
        return wide ? afterStart || beforeEnd : afterStart && beforeEnd;
    }
};

FastRaster::FastRaster(QImage& image, int firstRow)
    : bits_(image.bits()), bytesPerLine_(image.bytesPerLine()), width_(image.width()),
      top_(firstRow), end_(firstRow + image.height())
{
}

void FastRaster::plot(int x, int y, QRgb colour)
{
    if (static_cast<unsigned>(x) < static_cast<unsigned>(width_) &&
        static_cast<unsigned>(y - top_) < static_cast<unsigned>(end_ - top_))
        row(y)[x] = colour;
}

void FastRaster::sectorSpan(int y, int x1, int x2, QRgb colour, const Sector* sector)
{
    if (!sector) {
        span(y, x1, x2, colour);
        return;
    }
    if (y < top_ || y >= end_)
        return;
    x1 = std::max(x1, 0);
    x2 = std::min(x2, width_ - 1);
    QRgb* line = row(y);
    const Sector::Row within = sector->row(y);
    for (int x = x1; x <= x2; ++x)
        if (sector->contains(x, within))
            line[x] = colour;
}

void FastRaster::thinLine(QPoint a, QPoint b, QRgb colour, bool dotted, int& phase, bool skipFirst)
{
    // Bresenham; the canvas only hands over lines near the image. A line
    // wholly inside it walks a pointer through the pixels unchecked.
    if (std::max(a.y(), b.y()) < top_ || std::min(a.y(), b.y()) >= end_) {
        // Wholly above or below the rows held: only the dots' count goes on.
        phase += std::max(std::abs(b.x() - a.x()), std::abs(b.y() - a.y())) + (skipFirst ? 0 : 1);
        return;
    }
    const bool inside = std::min(a.x(), b.x()) >= 0 && std::max(a.x(), b.x()) < width_ &&
                        std::min(a.y(), b.y()) >= top_ && std::max(a.y(), b.y()) < end_;
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    const qsizetype rowStep = sy * bytesPerLine_ / static_cast<qsizetype>(sizeof(QRgb));
    QRgb* pixel = inside ? row(y) + x : nullptr;
    int err = dx + dy;
    int count = std::max(dx, -dy) + 1; // pixels on the line
    if (skipFirst) {
        const int e2 = 2 * err;
        --count;
        if (count > 0) {
            if (e2 >= dy) {
                err += dy;
                x += sx;
                pixel += inside ? sx : 0;
            }
            if (e2 <= dx) {
                err += dx;
                y += sy;
                pixel += inside ? rowStep : 0;
            }
        }
    }
    if (inside && !dotted) {
        // The common case, every pixel on the image: no checks per pixel.
        phase += count;
        if (count > 0 && dy == 0) {
            FillPixels(sx > 0 ? pixel : pixel - (count - 1), count, colour);
            return;
        }
        if (count <= 0)
            return;
        *pixel = colour;
        // Steps chosen by masks rather than branches, which a sloping line
        // would mispredict at every other pixel.
        while (--count > 0) {
            const int e2 = 2 * err;
            const int alongX = -static_cast<int>(e2 >= dy), alongY = -static_cast<int>(e2 <= dx);
            err += (dy & alongX) + (dx & alongY);
            pixel += (sx & alongX) + (rowStep & static_cast<qsizetype>(alongY));
            *pixel = colour;
        }
        return;
    }
    for (; count > 0; --count) {
        if (!dotted || (phase & 1) == 0) {
            if (inside)
                *pixel = colour;
            else
                plot(x, y, colour);
        }
        ++phase;
        if (count == 1)
            break; // no step past the last pixel
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
            if (inside)
                pixel += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
            if (inside)
                pixel += rowStep;
        }
    }
}

void FastRaster::disc(QPointF centre, double radius, QRgb colour)
{
    // Pixels whose centres lie strictly within the radius, and the one under
    // the centre.
    const double cx = centre.x(), cy = centre.y();
    if (cy + radius < top_ || cy - radius >= end_)
        return; // wholly above or below the rows held
    const int y0 = Ceil(cy - radius), y1 = Floor(cy + radius);
    for (int y = y0; y <= y1; ++y) {
        const double dy = y - cy;
        const double h2 = radius * radius - dy * dy;
        if (h2 <= 0)
            continue;
        const double h = std::sqrt(h2);
        span(y, Floor(cx - h) + 1, Ceil(cx + h) - 1, colour);
    }
    plot(Floor(centre.x()), Floor(centre.y()), colour);
}

namespace {

// The points with from <= sx (x - ax) + sy (y - ay) < to: on each row an x
// range whose ends move linearly with the row, or (sx = 0) a range of rows;
// both half-open on the screen, so a band does not depend on the line's
// direction.
struct Bounds {
    Bounds(QPointF a, double sx, double sy, double from, double to) : rows(sx == 0)
    {
        if (rows) {
            lo = a.y() + from / sy;
            hi = a.y() + to / sy;
        } else {
            lo = a.x() + from / sx;
            hi = a.x() + to / sx;
            perRow = -sy / sx;
        }
        if (lo > hi)
            std::swap(lo, hi);
    }
    void limit(int y, double dyRow, double& left, double& right) const
    {
        if (rows) {
            if (y < lo || y >= hi)
                right = left - 1;
            return;
        }
        left = std::max(left, lo + perRow * dyRow);
        right = std::min(right, hi + perRow * dyRow);
    }
    bool rows;
    double lo, hi, perRow = 0;
};

} // namespace

void FastRaster::wideLine(QPointF a, QPointF b, double width, QRgb colour, bool roundEnds)
{
    const double half = width / 2;
    if (std::max(a.y(), b.y()) + half < top_ || std::min(a.y(), b.y()) - half >= end_)
        return; // wholly above or below the rows held, round ends included
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    // Far shapes are clipped first: the squares cannot overflow.
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length > 0) {
        // The band of points whose distance along the line lies in
        // [0, length) and across it in [-half, half), row by row: on row y
        // both distances are linear in x, so each bound cuts x once.
        const double ux = dx / length, uy = dy / length;
        const double top = std::min(a.y(), b.y()) - half, bottom = std::max(a.y(), b.y()) + half;
        const int first = std::max(Ceil(top), top_), last = std::min(Ceil(bottom) - 1, end_ - 1);
        const Bounds along(a, ux, uy, 0, length), across(a, -uy, ux, -half, half);
        for (int y = first; y <= last; ++y) {
            const double dyRow = y - a.y();
            double lo = -1e300, hi = 1e300;
            along.limit(y, dyRow, lo, hi);
            across.limit(y, dyRow, lo, hi);
            if (lo < hi)
                span(y, Ceil(lo), Ceil(hi) - 1, colour);
        }
    }
    if (roundEnds || length == 0) {
        disc(a, half, colour);
        disc(b, half, colour);
    }
}

void FastRaster::widePath(std::span<const QPointF> points, double width, QRgb colour)
{
    for (size_t i = 0; i + 1 < points.size(); ++i)
        wideLine(points[i], points[i + 1], width, colour, false);
    for (const QPointF& p : points)
        disc(p, width / 2, colour);
}

void FastRaster::dashedPath(std::span<const QPointF> points, double width, double dash, QRgb colour)
{
    double travelled = -dash / 2; // along the path
    for (size_t i = 0; i + 1 < points.size(); ++i) {
        QPointF from = points[i];
        const QPointF to = points[i + 1];
        if (i == 0) {
            // Half a dash before the start, so the first dash is centred on it.
            const double l = std::hypot(to.x() - from.x(), to.y() - from.y());
            if (l > 0)
                from -= (to - from) * (dash / 2 / l);
            travelled = 0;
        }
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        double done = 0;
        while (done < length) {
            const double dashes = std::floor(travelled / dash);
            double step = std::min((dashes + 1) * dash - travelled, length - done);
            if (!(step > 0)) // rounding at a dash boundary: never stand still
                step = std::min(dash, length - done);
            if (static_cast<long long>(dashes) % 2 == 0) {
                const QPointF a = from + (to - from) * (done / length);
                const QPointF b = from + (to - from) * ((done + step) / length);
                wideLine(a, b, width, colour, false);
            }
            done += step;
            travelled += step;
        }
    }
}

void FastRaster::fillRect(int left, int top, int right, int bottom, const Ink& ink)
{
    for (int y = std::max(top, top_); y < std::min(bottom, end_); ++y)
        inkSpan(y, left, right - 1, ink);
}

void FastRaster::ellipse(const QRectF& outline, double width, QRgb pen, const Ink* fill)
{
    if (width <= 1)
        thinOutline(outline, pen, fill, nullptr);
    else
        wideOutline(outline, width, pen, fill, nullptr);
}

void FastRaster::arc(const QRectF& outline, double startDeg, double spanDeg, double width, QRgb pen)
{
    const Sector sector(outline, startDeg, spanDeg);
    const Sector* within = spanDeg >= 360 ? nullptr : &sector;
    if (width <= 1)
        thinOutline(outline, pen, nullptr, within);
    else
        wideOutline(outline, width, pen, nullptr, within);
}

void FastRaster::thinOutline(const QRectF& outline, QRgb pen, const Ink* fill, const Sector* sector)
{
    // The ellipse's left and right edge on every row, rounded symmetrically;
    // each row then runs on towards its neighbours' edges, so the outline
    // stays connected where the curve is flat.
    const double cx = outline.center().x(), cy = outline.center().y();
    const double a = outline.width() / 2, b = outline.height() / 2;
    // Rows above and below the image only matter as neighbours of its edge
    // rows.
    const int top = std::max(Ceil(outline.top() - 1e-9), top_ - 1);
    const int bottom = std::min(Floor(outline.bottom() + 1e-9), end_);
    const int rows = bottom - top + 1;
    if (rows <= 0)
        return;
    const bool single = outline.height() < 1e-9; // a flat ellipse is one row
    thread_local std::vector<int> left, right;
    left.resize(static_cast<size_t>(rows));
    right.resize(static_cast<size_t>(rows));
    for (int i = 0; i < rows; ++i) {
        const double t = b > 0 ? (top + i - cy) / b : 0;
        const double h = a * std::sqrt(std::max(0.0, 1 - t * t));
        int l = Floor(cx - h + 0.5);
        int r = Ceil(cx + h - 0.5);
        if (l > r) {
            l = Floor(cx);
            r = Ceil(cx);
        }
        left[static_cast<size_t>(i)] = l;
        right[static_cast<size_t>(i)] = r;
    }
    for (int i = 0; i < rows; ++i) {
        const size_t k = static_cast<size_t>(i);
        const int y = top + i;
        if (y < top_ || y >= end_)
            continue;
        if (single) {
            sectorSpan(y, left[k], right[k], pen, sector);
            continue;
        }
        int outerLeft = left[k], outerRight = right[k];
        if (i > 0) {
            outerLeft = std::max(outerLeft, left[k - 1]);
            outerRight = std::min(outerRight, right[k - 1]);
        }
        if (i + 1 < rows) {
            outerLeft = std::max(outerLeft, left[k + 1]);
            outerRight = std::min(outerRight, right[k + 1]);
        }
        const int leftEnd = std::max(left[k], outerLeft - 1);
        const int rightStart = std::min(right[k], outerRight + 1);
        if (leftEnd + 1 >= rightStart) {
            sectorSpan(y, left[k], right[k], pen, sector);
            continue;
        }
        if (fill)
            inkSpan(y, leftEnd + 1, rightStart - 1, *fill);
        sectorSpan(y, left[k], leftEnd, pen, sector);
        sectorSpan(y, rightStart, right[k], pen, sector);
    }
}

void FastRaster::wideOutline(const QRectF& outline, double width, QRgb pen, const Ink* fill,
                             const Sector* sector)
{
    // The band between the ellipses half a pen wider and half a pen
    // narrower, its right and bottom edges left out.
    const double cx = outline.center().x(), cy = outline.center().y();
    const double half = width / 2;
    const double oa = outline.width() / 2 + half, ob = outline.height() / 2 + half;
    const double ia = outline.width() / 2 - half, ib = outline.height() / 2 - half;
    const int first = std::max(Ceil(cy - ob), top_);
    const int last = std::min(Ceil(cy + ob) - 1, end_ - 1);
    for (int y = first; y <= last; ++y) {
        const double dy = y - cy;
        const double to = dy / ob;
        const double ho = oa * std::sqrt(std::max(0.0, 1 - to * to));
        const int outerLeft = Ceil(cx - ho), outerRight = Ceil(cx + ho) - 1;
        if (ia <= 0 || ib <= 0 || std::abs(dy) >= ib) {
            sectorSpan(y, outerLeft, outerRight, pen, sector);
            continue;
        }
        const double ti = dy / ib;
        const double hi = ia * std::sqrt(std::max(0.0, 1 - ti * ti));
        const int innerLeft = Ceil(cx - hi), innerRight = Ceil(cx + hi) - 1;
        if (fill)
            inkSpan(y, innerLeft, innerRight, *fill);
        sectorSpan(y, outerLeft, innerLeft - 1, pen, sector);
        sectorSpan(y, innerRight + 1, outerRight, pen, sector);
    }
}

void FastRaster::thinPolyline(std::span<const QPointF> points, bool closed, QRgb colour,
                              bool dotted)
{
    const size_t n = points.size();
    if (n == 0)
        return;
    auto pixel = [](QPointF p) { return QPoint(Round(p.x()), Round(p.y())); };
    int phase = 0;
    QPoint previous = pixel(points[0]);
    thinLine(previous, previous, colour, dotted, phase, false);
    const size_t segments = closed && n > 2 ? n : n - 1;
    for (size_t i = 0; i < segments; ++i) {
        const QPoint next = pixel(points[i + 1 == n ? 0 : i + 1]);
        // Flattened curves step a pixel at a time: no line to work out.
        const int dx = next.x() - previous.x(), dy = next.y() - previous.y();
        if (dx == 0 && dy == 0)
            continue;
        if (dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1)
            thinLine(next, next, colour, dotted, phase, false);
        else
            thinLine(previous, next, colour, dotted, phase, true);
        previous = next;
    }
}

} // namespace kel
