#include "output/ShadowFill.h"

#include "render/FloodFill.h"

#include <algorithm>
#include <map>
#include <utility>

namespace kel {

namespace {

// Runs of equal extent on consecutive rows become one rectangle.
std::vector<QRect> MergeSpans(std::vector<FillSpan> spans)
{
    std::sort(spans.begin(), spans.end(), [](const FillSpan& a, const FillSpan& b) {
        return a.y != b.y ? a.y < b.y : a.x1 < b.x1;
    });
    std::vector<QRect> rects;
    std::map<std::pair<int, int>, size_t> open, next; // extent -> rect growing downwards
    int row = spans.empty() ? 0 : spans.front().y;
    for (const FillSpan& span : spans) {
        if (span.y != row) {
            open = span.y == row + 1 ? std::move(next) : std::map<std::pair<int, int>, size_t>();
            next.clear();
            row = span.y;
        }
        const std::pair<int, int> extent(span.x1, span.x2);
        const auto growing = open.find(extent);
        if (growing != open.end()) {
            rects[growing->second].setBottom(span.y);
            next[extent] = growing->second;
        } else {
            rects.emplace_back(QPoint(span.x1, span.y), QPoint(span.x2, span.y));
            next[extent] = rects.size() - 1;
        }
    }
    return rects;
}

} // namespace

FilledArea FillOnShadow(RasterCanvas& shadow, QPoint seed, Colour border)
{
    FilledArea area;
    if (shadow.brush().style == BrushStyle::Clear || shadow.scale() != 1) {
        shadow.floodFill(seed, border);
        return area;
    }
    std::vector<FillSpan> spans = FindFillRegion(shadow.pixels(), seed, border);
    if (spans.empty())
        return area;
    shadow.floodFill(seed, border);
    area.rects = MergeSpans(std::move(spans));
    for (const QRect& r : area.rects)
        area.box |= r;
    return area;
}

QImage FilledPixels(const RasterCanvas& shadow, const FilledArea& area)
{
    QImage pixels(area.box.size(), QImage::Format_ARGB32);
    pixels.fill(Qt::transparent);
    const QImage& source = shadow.image();
    for (const QRect& r : area.rects) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y)) + r.left();
            auto* to = reinterpret_cast<QRgb*>(pixels.scanLine(y - area.box.top())) +
                       (r.left() - area.box.left());
            std::copy_n(from, r.width(), to);
        }
    }
    return pixels;
}

} // namespace kel
