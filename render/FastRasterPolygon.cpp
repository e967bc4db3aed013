#include "render/FastRaster.h"

#include "render/Hatch.h"
#include "render/RasterRounding.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

// Even-odd polygon fills. Row y takes the pixels from Ceil(x) of one
// crossing of the sample line through pixel centres to Ceil(x) - 1 of the
// next, the crossings in order.

namespace kel {

using raster::Ceil;

struct FastRaster::PolygonEdge {
    double x0, y0, y1, slope; // x at y0, y0 < y1
    double crossing(int y) const { return x0 + (y - y0) * slope; }
    // The rows whose centres the edge crosses.
    int firstRow() const { return Ceil(y0); }
    int lastRow() const { return Ceil(y1) - 1; }
};

namespace {

// A polygon this many pixels wide or less is filled through one bit mask a
// row: a pixel is inside when an odd number of crossings lie at or left of
// it, so every crossing flips the pixels from its own onwards and no
// crossings need sorting.
constexpr int kMaskBits = 64;

std::uint64_t FromBit(int bit)
{
    return bit < kMaskBits ? ~std::uint64_t{0} << bit : 0;
}

} // namespace

void FastRaster::polygonFill(std::span<const QPointF> points, const Ink& ink)
{
    if (points.size() < 3 || ink.style == BrushStyle::Clear)
        return;
    thread_local std::vector<PolygonEdge> edges;
    edges.resize(points.size());
    size_t count = 0;
    double top = points[0].y(), bottom = top, left = points[0].x(), right = left;
    QPointF p = points.back();
    for (const QPointF& q : points) {
        top = std::min(top, q.y());
        bottom = std::max(bottom, q.y());
        left = std::min(left, q.x());
        right = std::max(right, q.x());
        if (p.y() < q.y())
            edges[count++] = {p.x(), p.y(), q.y(), (q.x() - p.x()) / (q.y() - p.y())};
        else if (p.y() > q.y())
            edges[count++] = {q.x(), q.y(), p.y(), (p.x() - q.x()) / (p.y() - q.y())};
        p = q;
    }
    const int first = std::max(Ceil(top), top_);
    const int last = std::min(Ceil(bottom) - 1, end_ - 1);
    if (first > last)
        return;
    // A bit to spare on either side for crossings a rounding beyond the
    // corners.
    const int origin = Ceil(left) - 1;
    const std::span<PolygonEdge> used(edges.data(), count);
    if (Ceil(right) + 1 - origin < kMaskBits && maskFill(used, first, last, origin, ink))
        return;
    activeEdgeFill(used, first, last, ink);
}

bool FastRaster::maskFill(std::span<const PolygonEdge> edges, int first, int last, int origin,
                          const Ink& ink)
{
    thread_local std::vector<std::uint64_t> masks;
    masks.assign(static_cast<size_t>(last - first + 1), 0);
    for (const PolygonEdge& e : edges) {
        const int from = std::max(e.firstRow(), first), to = std::min(e.lastRow(), last);
        for (int y = from; y <= to; ++y) {
            const int bit = Ceil(e.crossing(y)) - origin;
            if (bit < 0 || bit > kMaskBits)
                return false; // nothing drawn yet: the sorted crossings take it
            masks[static_cast<size_t>(y - first)] ^= FromBit(bit);
        }
    }
    // Pixels left and right of the image are left out here; a one-pixel
    // hatch takes its pixels straight from the mask.
    std::uint64_t visible = ~std::uint64_t{0};
    if (origin < 0)
        visible &= FromBit(-origin);
    if (origin + kMaskBits > width_)
        visible &= ~FromBit(std::max(width_ - origin, 0));
    const bool hatch = ink.style != BrushStyle::Solid && ink.tileScale == 1;
    for (int y = first; y <= last; ++y) {
        std::uint64_t mask = masks[static_cast<size_t>(y - first)] & visible;
        if (hatch) {
            // The tile's row repeated along the mask, turned so that bit b
            // stands for pixel origin + b.
            const std::uint64_t tile = HatchRowBits(ink.style, y) * 0x0101010101010101u;
            QRgb* const pixels = row(y);
            for (mask &= std::rotr(tile, origin & 7); mask != 0; mask &= mask - 1)
                pixels[origin + std::countr_zero(mask)] = ink.colour;
            continue;
        }
        while (mask != 0) {
            const int start = std::countr_zero(mask);
            const int length = std::countr_one(mask >> start);
            inkSpan(y, origin + start, origin + start + length - 1, ink);
            mask &= FromBit(start + length);
        }
    }
    return true;
}

void FastRaster::activeEdgeFill(std::span<PolygonEdge> edges, int first, int last, const Ink& ink)
{
    struct Crossing {
        double x;
        const PolygonEdge* edge;
    };
    thread_local std::vector<Crossing> active;
    // Edges join the active ones in the order they begin and leave them past
    // their end; the active ones stay in the order of their crossings, which
    // changes little from one row to the next.
    std::sort(edges.begin(), edges.end(),
              [](const PolygonEdge& a, const PolygonEdge& b) { return a.y0 < b.y0; });
    active.clear();
    size_t next = 0;
    for (int y = first; y <= last; ++y) {
        // Past edges leave; the others move to this row's crossing and are
        // sorted in among those before them.
        size_t kept = 0;
        auto place = [&](const PolygonEdge& e) {
            const Crossing c{e.crossing(y), &e};
            size_t at = kept++;
            for (; at > 0 && active[at - 1].x > c.x; --at)
                active[at] = active[at - 1];
            active[at] = c;
        };
        for (size_t k = 0; k < active.size(); ++k)
            if (y < active[k].edge->y1)
                place(*active[k].edge);
        active.resize(kept);
        for (; next < edges.size() && edges[next].y0 <= y; ++next) {
            if (y < edges[next].y1) {
                active.emplace_back();
                place(edges[next]);
            }
        }
        for (size_t k = 0; k + 1 < active.size(); k += 2)
            inkSpan(y, Ceil(active[k].x), Ceil(active[k + 1].x) - 1, ink);
    }
}

} // namespace kel
