#include "render/EmfPlayback.h"

#include <uemf.h>

#include <QPainterPathStroker>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <numbers>

// Shapes, point lists, paths and clipping of the metafile player.

namespace kel::emfplay {

namespace {

constexpr double kHuge = 1.0e7; // device units: "everywhere" for clipping

// A box of two corners whose right and bottom edges are excluded, as the
// aliased painter fills and outlines it.
QRectF BoxOf(const EmfRecord& r, qsizetype offset)
{
    const auto l = r.i32(offset), t = r.i32(offset + 4), ri = r.i32(offset + 8),
               b = r.i32(offset + 12);
    if (!l || !t || !ri || !b)
        return {};
    QRectF box = QRectF(QPointF(*l, *t), QPointF(*ri, *b)).normalized();
    if (box.width() > 1)
        box.setWidth(box.width() - 1);
    if (box.height() > 1)
        box.setHeight(box.height() - 1);
    return box;
}

std::optional<QPointF> PointAt(const EmfRecord& r, qsizetype offset)
{
    const auto x = r.i32(offset), y = r.i32(offset + 4);
    if (!x || !y)
        return std::nullopt;
    return QPointF(*x, *y);
}

double AngleOnBox(const QRectF& box, QPointF p)
{
    const QPointF c = box.center();
    const double a = std::max(box.width() / 2, 1e-9), b = std::max(box.height() / 2, 1e-9);
    return std::atan2(-(p.y() - c.y()) / b, (p.x() - c.x()) / a) * 180 / std::numbers::pi;
}

enum class ArcKind { Arc, Chord, Pie };

// From the ray towards `start` to the ray towards `end`, in the device
// context's direction; equal rays give the whole ellipse.
void AddArc(QPainterPath& path, const QRectF& box, QPointF start, QPointF end, bool clockwise,
            ArcKind kind, bool connect)
{
    const double from = AngleOnBox(box, start);
    double span = AngleOnBox(box, end) - from;
    if (clockwise) {
        while (span >= 0)
            span -= 360;
    } else {
        while (span <= 0)
            span += 360;
    }
    if (kind == ArcKind::Pie) {
        path.moveTo(box.center());
        QPainterPath arc;
        arc.arcMoveTo(box, from);
        path.lineTo(arc.currentPosition());
    } else if (connect) {
        QPainterPath arc;
        arc.arcMoveTo(box, from);
        path.lineTo(arc.currentPosition());
    } else {
        path.arcMoveTo(box, from);
    }
    path.arcTo(box, from, span);
    if (kind != ArcKind::Arc)
        path.closeSubpath();
}

// `count` points of 16 or 32 bits from `offset`; nothing when they do not fit.
std::optional<QPolygonF> PointsAt(const EmfRecord& r, qsizetype offset, std::uint32_t count,
                                  bool small)
{
    const qsizetype item = small ? 4 : 8;
    if (!r.holds(offset, count, item))
        return std::nullopt;
    QPolygonF points;
    points.reserve(static_cast<qsizetype>(count));
    for (std::uint32_t i = 0; i < count; ++i) {
        const qsizetype at = offset + item * i;
        if (small)
            points.append(QPointF(*r.i16(at), *r.i16(at + 2)));
        else
            points.append(QPointF(*r.i32(at), *r.i32(at + 4)));
    }
    return points;
}

bool IsSmall(std::uint32_t type)
{
    return type >= U_EMR_POLYBEZIER16 && type <= U_EMR_POLYDRAW16;
}

// A region's rectangles (RGNDATA at `offset`, `size` bytes) as a path.
std::optional<QPainterPath> RegionAt(const EmfRecord& r, qsizetype offset, std::uint32_t size)
{
    const auto count = r.u32(offset + 8);
    if (!count || size < 32 || !r.holds(offset, size, 1) ||
        static_cast<std::uint64_t>(*count) > (size - 32) / 16)
        return std::nullopt;
    QPainterPath path;
    for (std::uint32_t i = 0; i < *count; ++i) {
        const qsizetype at = offset + 32 + 16 * i;
        const QRectF rect(QPointF(*r.i32(at), *r.i32(at + 4)),
                          QPointF(*r.i32(at + 8), *r.i32(at + 12)));
        path.addRect(rect.normalized());
    }
    path.setFillRule(Qt::WindingFill);
    return path;
}

} // namespace

void Playback::useTransform(const QTransform& transform)
{
    if (transform_ == transform)
        return;
    transform_ = transform;
    painter_.setTransform(transform);
}

void Playback::applyClip()
{
    if (!clipDirty_)
        return;
    clipDirty_ = false;
    useTransform(deviceToTarget_);
    if (dc_.clip)
        painter_.setClipPath(*dc_.clip);
    else
        painter_.setClipping(false);
}

bool Playback::prepare(const QPen& pen, const QBrush& brush)
{
    applyClip();
    const QTransform full = logicalToDevice() * deviceToTarget_;
    useTransform(full);
    QPen used = pen;
    // A geometric pen thinner than a pixel is drawn one pixel wide.
    if (used.style() != Qt::NoPen && !used.isCosmetic() &&
        used.widthF() * std::sqrt(std::abs(full.determinant())) < 1.5)
        used.setWidth(0);
    painter_.setPen(used);
    painter_.setBrush(brush);
    // Hatches on an opaque background need the shape's path.
    return !(brush.style() >= Qt::HorPattern && brush.style() <= Qt::DiagCrossPattern &&
             dc_.opaqueBackground);
}

void Playback::drawWith(const QPen& pen, const QBrush& brush, const QPainterPath& path)
{
    if (!prepare(pen, brush))
        painter_.fillPath(path, dc_.backColour);
    painter_.drawPath(path);
}

bool Playback::drawnDirectly(const QPolygonF& points, bool closed)
{
    if (inPath_ || !prepare(dc_.pen, closed ? dc_.brush : QBrush(Qt::NoBrush)))
        return false;
    if (closed)
        painter_.drawPolygon(points, dc_.fillRule);
    else
        painter_.drawPolyline(points);
    return true;
}

void Playback::fillAndStroke(const QPainterPath& path, bool fill, bool stroke)
{
    QPainterPath filled = path;
    filled.setFillRule(dc_.fillRule);
    drawWith(stroke ? dc_.pen : QPen(Qt::NoPen), fill ? dc_.brush : QBrush(Qt::NoBrush), filled);
}

void Playback::shape(const QPainterPath& path, bool closedFill)
{
    if (inPath_)
        path_.addPath(path);
    else
        fillAndStroke(path, closedFill, true);
}

bool Playback::shapes(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    QPainterPath path;
    switch (type) {
    case U_EMR_RECTANGLE:
    case U_EMR_ELLIPSE:
    case U_EMR_ROUNDRECT: {
        const QRectF box = BoxOf(r, 8);
        if (box.isNull())
            return true;
        if (type == U_EMR_RECTANGLE && drawnDirectly(QPolygonF(box), true))
            return true;
        if (type == U_EMR_RECTANGLE)
            path.addRect(box);
        else if (type == U_EMR_ELLIPSE)
            path.addEllipse(box);
        else
            path.addRoundedRect(box, r.i32(24).value_or(0) / 2.0, r.i32(28).value_or(0) / 2.0);
        shape(path, true);
        return true;
    }
    case U_EMR_ARC:
    case U_EMR_ARCTO:
    case U_EMR_CHORD:
    case U_EMR_PIE: {
        const QRectF box = BoxOf(r, 8);
        const auto start = PointAt(r, 24), end = PointAt(r, 32);
        if (box.isNull() || !start || !end)
            return true;
        const ArcKind kind = type == U_EMR_CHORD ? ArcKind::Chord
                             : type == U_EMR_PIE ? ArcKind::Pie
                                                 : ArcKind::Arc;
        if (type == U_EMR_ARCTO) {
            QPainterPath& into = inPath_ ? path_ : path;
            if (!inPath_)
                path.moveTo(dc_.position);
            AddArc(into, box, *start, *end, dc_.clockwiseArcs, kind, true);
            dc_.position = into.currentPosition();
            if (!inPath_)
                fillAndStroke(path, false, true);
            return true;
        }
        AddArc(path, box, *start, *end, dc_.clockwiseArcs, kind, false);
        shape(path, kind != ArcKind::Arc);
        return true;
    }
    case U_EMR_ANGLEARC: {
        const auto centre = PointAt(r, 8);
        const auto radius = r.u32(16);
        const auto from = r.f32(20), sweep = r.f32(24);
        if (!centre || !radius || !from || !sweep || *radius > 100'000'000)
            return true;
        const QRectF box(*centre - QPointF(*radius, *radius), QSizeF(2.0 * *radius, 2.0 * *radius));
        QPainterPath& into = inPath_ ? path_ : path;
        if (!inPath_)
            path.moveTo(dc_.position);
        QPainterPath arc;
        arc.arcMoveTo(box, *from);
        into.lineTo(arc.currentPosition());
        into.arcTo(box, *from, *sweep);
        dc_.position = into.currentPosition();
        if (!inPath_)
            fillAndStroke(path, false, true);
        return true;
    }
    case U_EMR_LINETO:
        if (const auto to = PointAt(r, 8)) {
            if (inPath_) {
                path_.lineTo(*to);
            } else {
                path.moveTo(dc_.position);
                path.lineTo(*to);
                fillAndStroke(path, false, true);
            }
            dc_.position = *to;
        }
        return true;
    case U_EMR_SETPIXELV:
        if (const auto at = PointAt(r, 8); at && r.u32(16)) {
            const std::uint32_t c = *r.u32(16);
            QPainterPath dot;
            dot.addRect(QRectF(*at, QSizeF(1, 1)));
            drawWith(QPen(Qt::NoPen),
                     QBrush(QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF))),
                     dot);
        }
        return true;
    case U_EMR_FILLRGN:
    case U_EMR_PAINTRGN: {
        const bool own = type == U_EMR_FILLRGN;
        const auto size = r.u32(24);
        if (!size)
            return true;
        const std::optional<QPainterPath> region = RegionAt(r, own ? 32 : 28, *size);
        if (!region)
            return true;
        QBrush brush = dc_.brush;
        if (own) {
            const QBrush saved = dc_.brush;
            select(r.u32(28).value_or(0));
            brush = dc_.brush;
            dc_.brush = saved;
        }
        drawWith(QPen(Qt::NoPen), brush, *region);
        return true;
    }
    default:
        return false;
    }
}

bool Playback::points(const EmfRecord& r)
{
    const std::uint32_t type = r.type();
    const bool small = IsSmall(type);
    const std::uint32_t base = small ? type - (U_EMR_POLYBEZIER16 - U_EMR_POLYBEZIER) : type;
    switch (base) {
    case U_EMR_POLYBEZIER:
    case U_EMR_POLYGON:
    case U_EMR_POLYLINE:
    case U_EMR_POLYBEZIERTO:
    case U_EMR_POLYLINETO: {
        const std::optional<QPolygonF> pts = PointsAt(r, 28, r.u32(24).value_or(0), small);
        if (!pts || pts->isEmpty())
            return true;
        const bool to = base == U_EMR_POLYBEZIERTO || base == U_EMR_POLYLINETO;
        const bool bezier = base == U_EMR_POLYBEZIER || base == U_EMR_POLYBEZIERTO;
        if ((base == U_EMR_POLYGON || base == U_EMR_POLYLINE) &&
            drawnDirectly(*pts, base == U_EMR_POLYGON))
            return true;
        QPainterPath local;
        QPainterPath& path = to && inPath_ ? path_ : local;
        qsizetype i = 0;
        if (to) {
            if (!inPath_)
                local.moveTo(dc_.position);
        } else {
            path.moveTo(pts->at(i++));
        }
        if (bezier) {
            for (; i + 2 < pts->size(); i += 3)
                path.cubicTo(pts->at(i), pts->at(i + 1), pts->at(i + 2));
        } else {
            for (; i < pts->size(); ++i)
                path.lineTo(pts->at(i));
        }
        if (to)
            dc_.position = path.currentPosition();
        if (base == U_EMR_POLYGON)
            path.closeSubpath();
        if (!(to && inPath_))
            shape(path, base == U_EMR_POLYGON);
        return true;
    }
    case U_EMR_POLYPOLYLINE:
    case U_EMR_POLYPOLYGON: {
        const auto polys = r.u32(24), total = r.u32(28);
        if (!polys || !total || !r.holds(32, *polys, 4))
            return true;
        const qsizetype pointsAt = 32 + 4 * static_cast<qsizetype>(*polys);
        const std::optional<QPolygonF> pts = PointsAt(r, pointsAt, *total, small);
        if (!pts)
            return true;
        QPainterPath path;
        qsizetype next = 0;
        for (std::uint32_t p = 0; p < *polys; ++p) {
            const std::uint32_t n = *r.u32(32 + 4 * p);
            if (n > static_cast<std::uint64_t>(pts->size() - next))
                break;
            const QPolygonF part = pts->mid(next, n);
            next += n;
            if (part.isEmpty())
                continue;
            path.addPolygon(part);
            if (base == U_EMR_POLYPOLYGON)
                path.closeSubpath();
        }
        shape(path, base == U_EMR_POLYPOLYGON);
        return true;
    }
    case U_EMR_POLYDRAW: {
        const auto count = r.u32(24);
        if (!count)
            return true;
        const std::optional<QPolygonF> pts = PointsAt(r, 28, *count, small);
        const qsizetype kinds = 28 + (small ? 4 : 8) * static_cast<qsizetype>(*count);
        if (!pts || !r.holds(kinds, *count, 1))
            return true;
        QPainterPath local;
        QPainterPath& path = inPath_ ? path_ : local;
        if (!inPath_)
            local.moveTo(dc_.position);
        for (qsizetype i = 0; i < pts->size(); ++i) {
            const std::uint8_t kind = *r.u8(kinds + i);
            if ((kind & 0x06) == 0x06)
                path.moveTo(pts->at(i));
            else if ((kind & 0x06) == 0x04 && i + 2 < pts->size())
                path.cubicTo(pts->at(i), pts->at(i + 1), pts->at(i + 2)), i += 2;
            else
                path.lineTo(pts->at(i));
            if (kind & 0x01)
                path.closeSubpath();
        }
        dc_.position = path.currentPosition();
        if (!inPath_)
            fillAndStroke(local, false, true);
        return true;
    }
    default:
        return false;
    }
}

bool Playback::paths(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_BEGINPATH:
        inPath_ = true;
        path_ = QPainterPath();
        path_.moveTo(dc_.position);
        return true;
    case U_EMR_ENDPATH:
        inPath_ = false;
        return true;
    case U_EMR_ABORTPATH:
        inPath_ = false;
        path_ = QPainterPath();
        return true;
    case U_EMR_CLOSEFIGURE:
        path_.closeSubpath();
        return true;
    case U_EMR_FLATTENPATH:
        return true;
    case U_EMR_WIDENPATH: {
        QPainterPathStroker stroker(dc_.pen);
        stroker.setWidth(std::max(dc_.pen.widthF(), 1.0));
        path_ = stroker.createStroke(path_);
        return true;
    }
    case U_EMR_FILLPATH:
    case U_EMR_STROKEPATH:
    case U_EMR_STROKEANDFILLPATH:
        if (!inPath_)
            fillAndStroke(path_, r.type() != U_EMR_STROKEPATH, r.type() != U_EMR_FILLPATH);
        path_ = QPainterPath();
        return true;
    default:
        return false;
    }
}

void Playback::combineClip(const QPainterPath& area, std::uint32_t mode)
{
    clipDirty_ = true;
    QPainterPath everywhere;
    everywhere.addRect(QRectF(-kHuge, -kHuge, 2 * kHuge, 2 * kHuge));
    const QPainterPath current = dc_.clip.value_or(everywhere);
    switch (mode) {
    case U_RGN_AND:
        dc_.clip = current.intersected(area);
        break;
    case U_RGN_OR:
        dc_.clip = dc_.clip ? current.united(area) : everywhere;
        break;
    case U_RGN_XOR:
        dc_.clip = current.united(area).subtracted(current.intersected(area));
        break;
    case U_RGN_DIFF:
        dc_.clip = current.subtracted(area);
        break;
    case U_RGN_COPY:
        dc_.clip = area;
        break;
    default:
        break;
    }
}

bool Playback::clipping(const EmfRecord& r)
{
    switch (r.type()) {
    case U_EMR_INTERSECTCLIPRECT:
    case U_EMR_EXCLUDECLIPRECT: {
        const auto l = r.i32(8), t = r.i32(12), ri = r.i32(16), b = r.i32(20);
        if (!l || !t || !ri || !b)
            return true;
        QPainterPath area;
        area.addRect(QRectF(QPointF(*l, *t), QPointF(*ri, *b)).normalized());
        combineClip(logicalToDevice().map(area),
                    r.type() == U_EMR_INTERSECTCLIPRECT ? U_RGN_AND : U_RGN_DIFF);
        return true;
    }
    case U_EMR_OFFSETCLIPRGN:
        if (const auto offset = PointAt(r, 8); offset && dc_.clip) {
            const QTransform page = logicalToDevice();
            const QPointF moved = page.map(*offset) - page.map(QPointF(0, 0));
            dc_.clip->translate(moved);
            clipDirty_ = true;
        }
        return true;
    case U_EMR_EXTSELECTCLIPRGN: {
        const auto size = r.u32(8), mode = r.u32(12);
        if (!size || !mode)
            return true;
        if (*size == 0) {
            if (*mode == U_RGN_COPY)
                dc_.clip.reset();
            clipDirty_ = true;
            return true;
        }
        if (const std::optional<QPainterPath> region = RegionAt(r, 16, *size))
            combineClip(*region, *mode);
        return true;
    }
    case U_EMR_SELECTCLIPPATH:
        combineClip(logicalToDevice().map(path_), r.u32(8).value_or(U_RGN_COPY));
        path_ = QPainterPath();
        return true;
    default:
        return false;
    }
}

} // namespace kel::emfplay
