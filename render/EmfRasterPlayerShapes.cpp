#include "render/EmfRasterPlayback.h"

#include "render/FarGeometry.h"

#include <uemf.h>

#include <cmath>
#include <cstring>
#include <numbers>

// Shapes and point lists of the raster playback.

namespace kel::emfraster {

namespace {

constexpr double kMaxPenPixels = 255;
// Mappings that take a 32-bit coordinate beyond this many pixels, and
// curves that flatten into more points than this, go to the painter.
constexpr double kMaxScale = 1e12;
constexpr std::size_t kMaxCurvePoints = std::size_t(1) << 20;

// Direction of a point seen from the centre of the box, as an angle on the
// circle the box's ellipse is stretched from (y up), as the canvas finds it.
double BoxAngle(double l, double t, double r, double b, double x, double y)
{
    const double a = (r - l) / 2, h = (b - t) / 2;
    return std::atan2(-(y - (t + b) / 2) / (h > 0 ? h : 1), (x - (l + r) / 2) / (a > 0 ? a : 1)) *
           180 / std::numbers::pi;
}
} // namespace

const std::optional<Scale>& RasterPlayback::scale()
{
    if (scaleKnown_)
        return scale_;
    scaleKnown_ = true;
    const QTransform t = dc_.mapping.logicalToDevice(devicePerMm_) * deviceToTarget_;
    const bool upright = t.m12() == 0 && t.m21() == 0 && t.m13() == 0 && t.m23() == 0 &&
                         t.m33() == 1 && t.m11() > 0 && t.m22() > 0;
    // Moderate factors keep every mapped point finite.
    const bool moderate = std::abs(t.m11()) < kMaxScale && std::abs(t.m22()) < kMaxScale &&
                          std::abs(t.dx()) < kMaxScale && std::abs(t.dy()) < kMaxScale;
    scale_.reset();
    if (upright && moderate)
        scale_ = Scale{t.m11(), t.m22(), t.dx(), t.dy()};
    return scale_;
}

bool RasterPlayback::tools(bool filled)
{
    if (dc_.clipped || !scale() || !dc_.pen || (filled && !dc_.brush))
        return false;
    const Pen& pen = *dc_.pen;
    pen_.reset();
    switch (pen.kind) {
    case Pen::Kind::None:
        break;
    case Pen::Kind::Thin:
    case Pen::Kind::Dotted:
        pen_ = PixelPen{pen.colour, 1, pen.kind == Pen::Kind::Dotted};
        break;
    case Pen::Kind::Wide: {
        // A pen thinner than a pixel and a half is drawn one pixel wide.
        const double pixels = pen.width * std::sqrt(scale_->sx * scale_->sy);
        if (!(pixels <= kMaxPenPixels))
            return false;
        pen_ = PixelPen{pen.colour, pixels < 1.5 ? 1 : pixels, false};
        break;
    }
    }
    ink_.reset();
    backInk_.reset();
    if (filled && dc_.brush->style != BrushStyle::Clear) {
        ink_ = Ink{dc_.brush->colour, dc_.brush->style, 1};
        // Hatches on an opaque background fill the gaps with its colour.
        if (dc_.brush->style != BrushStyle::Solid && dc_.opaqueBackground)
            backInk_ = Ink{dc_.backColour, BrushStyle::Solid, 1};
    }
    return true;
}

void RasterPlayback::drawShape(std::span<const QPointF> points, bool filled)
{
    if (filled && backInk_)
        shapes_.fill(points, *backInk_);
    shapes_.shape(points, filled && ink_ ? &*ink_ : nullptr, pen_ ? &*pen_ : nullptr);
}

bool RasterPlayback::readPoints(const EmfRecord& r, qsizetype offset, std::uint32_t count,
                                bool small)
{
    const qsizetype item = small ? 4 : 8;
    if (!r.holds(offset, count, item))
        return false;
    const char* at = r.bytes().data() + offset;
    const Scale& s = *scale_;
    points_.clear();
    points_.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i, at += item) {
        if (small) {
            std::int16_t xy[2];
            std::memcpy(xy, at, sizeof xy);
            points_.push_back(s.map(xy[0], xy[1]));
        } else {
            std::int32_t xy[2];
            std::memcpy(xy, at, sizeof xy);
            points_.push_back(s.map(xy[0], xy[1]));
        }
    }
    return true;
}
RasterPlayback::Outcome RasterPlayback::shapes(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    switch (type) {
    case U_EMR_RECTANGLE:
    case U_EMR_ELLIPSE:
    case U_EMR_ROUNDRECT:
    case U_EMR_ARC:
        break;
    case U_EMR_LINETO: {
        const auto x = r.i32(8), y = r.i32(12);
        if (!x || !y)
            return true;
        const QPointF from = dc_.position;
        dc_.position = QPointF(*x, *y); // whoever draws the line
        if (!tools(false))
            return false;
        const QPointF ends[] = {scale_->map(from.x(), from.y()), scale_->map(*x, *y)};
        if (pen_)
            shapes_.stroke(ends, false, *pen_);
        return true;
    }
    case U_EMR_SETPIXELV: {
        const auto x = r.i32(8), y = r.i32(12);
        const auto colour = r.u32(16);
        if (!x || !y || !colour)
            return true;
        if (dc_.clipped || !scale())
            return false;
        const QPointF corners[] = {scale_->map(*x, *y), scale_->map(*x + 1.0, *y),
                                   scale_->map(*x + 1.0, *y + 1.0), scale_->map(*x, *y + 1.0)};
        shapes_.fill(corners, Ink{ColourOf(*colour)});
        return true;
    }
    default:
        return std::nullopt;
    }
    const auto l = r.i32(8), t = r.i32(12), ri = r.i32(16), b = r.i32(20);
    if (!l || !t || !ri || !b)
        return true;
    // The painter draws a box without width or height as a line.
    if (*l == *ri || *t == *b || !tools(type != U_EMR_ARC))
        return false;
    const QRectF outline = scale_->map(OutlineRect(*l, *t, *ri, *b));
    const Ink* ink = ink_ ? &*ink_ : nullptr;
    const PixelPen* pen = pen_ ? &*pen_ : nullptr;
    switch (type) {
    case U_EMR_RECTANGLE: {
        const QPointF corners[] = {outline.topLeft(), outline.topRight(), outline.bottomRight(),
                                   outline.bottomLeft()};
        drawShape(corners, true);
        break;
    }
    case U_EMR_ELLIPSE:
        if (backInk_)
            shapes_.ellipse(outline, &*backInk_, nullptr);
        shapes_.ellipse(outline, ink, pen);
        break;
    case U_EMR_ROUNDRECT: {
        const double rx = r.i32(24).value_or(0) / 2.0, ry = r.i32(28).value_or(0) / 2.0;
        if (backInk_)
            shapes_.roundRect(outline, rx * scale_->sx, ry * scale_->sy, &*backInk_, nullptr);
        shapes_.roundRect(outline, rx * scale_->sx, ry * scale_->sy, ink, pen);
        break;
    }
    default: { // an arc, from the ray towards the start to the ray towards the end
        const auto sx = r.i32(24), sy = r.i32(28), ex = r.i32(32), ey = r.i32(36);
        if (!sx || !sy || !ex || !ey || !pen)
            break;
        const double box[] = {std::min<double>(*l, *ri), std::min<double>(*t, *b),
                              std::max<double>(*l, *ri), std::max<double>(*t, *b)};
        double from = BoxAngle(box[0], box[1], box[2], box[3], *sx, *sy);
        double to = BoxAngle(box[0], box[1], box[2], box[3], *ex, *ey);
        // Clockwise from the start is counter-clockwise from the end.
        if (dc_.clockwiseArcs)
            std::swap(from, to);
        double span = to - from;
        while (span <= 0)
            span += 360;
        shapes_.arc(outline, from, span, *pen);
        break;
    }
    }
    return true;
}

RasterPlayback::Outcome RasterPlayback::points(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    const bool small = type >= U_EMR_POLYBEZIER16 && type <= U_EMR_POLYDRAW16;
    const std::uint32_t base = small ? type - (U_EMR_POLYBEZIER16 - U_EMR_POLYBEZIER) : type;
    switch (base) {
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIER: {
        const bool filled = base == U_EMR_POLYGON;
        // The alternate rule is the raster's only one.
        if (!tools(filled) || (filled && ink_ && dc_.winding))
            return false;
        if (!readPoints(r, 28, r.u32(24).value_or(0), small) || points_.empty())
            return true;
        if (base == U_EMR_POLYGON) {
            drawShape(points_, true);
        } else if (pen_ && base == U_EMR_POLYLINE) {
            shapes_.stroke(points_, false, *pen_);
        } else if (pen_ && points_.size() >= 4) {
            // Whole segments only: a start point and three points per segment.
            PolylineF flat{points_[0]};
            for (std::size_t i = 0; i + 3 < points_.size(); i += 3) {
                if (flat.size() > kMaxCurvePoints)
                    return false;
                const PolylineF part =
                    BezierPoints(points_[i], points_[i + 1], points_[i + 2], points_[i + 3]);
                flat.insert(flat.end(), part.begin() + 1, part.end());
            }
            shapes_.stroke(flat, false, *pen_);
        }
        return true;
    }
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON: {
        const bool filled = base == U_EMR_POLYPOLYGON;
        if (!tools(filled) || (filled && ink_ && dc_.winding))
            return false;
        const auto polys = r.u32(24), total = r.u32(28);
        if (!polys || !total || !r.holds(32, *polys, 4) ||
            !readPoints(r, 32 + 4 * static_cast<qsizetype>(*polys), *total, small))
            return true;
        // The parts, each closed when filled and all but the first joined
        // to the first's start there and back again, which no fill sees.
        std::vector<std::span<const QPointF>> parts;
        std::vector<QPointF> joined;
        std::size_t next = 0;
        for (std::uint32_t p = 0; p < *polys; ++p) {
            const std::uint32_t n = *r.u32(32 + 4 * p);
            if (n > points_.size() - next)
                break;
            const std::span<const QPointF> part(points_.data() + next, n);
            next += n;
            if (part.empty())
                continue;
            parts.push_back(part);
            if (!filled)
                continue;
            joined.insert(joined.end(), part.begin(), part.end());
            joined.push_back(part.front());
            if (parts.size() > 1)
                joined.push_back(parts.front().front());
        }
        if (filled && backInk_)
            shapes_.fill(joined, *backInk_);
        if (filled && ink_)
            shapes_.fill(joined, *ink_);
        if (pen_)
            for (const std::span<const QPointF> part : parts)
                shapes_.stroke(part, filled, *pen_);
        return true;
    }
    case U_EMR_POLYLINETO:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYDRAW:
        return false;
    default:
        return std::nullopt;
    }
}
} // namespace kel::emfraster
