#pragma once
// Small conversions between the canvas's values and libUEMF's structures,
// shared by the parts of the metafile canvas.

#include "model/Colour.h"

#include <QPoint>
#include <QRect>

#include <uemf.h>

#include <algorithm>
#include <vector>

namespace kel::emf {

inline U_COLORREF ColorRef(Colour c)
{
    return colorref3_set(static_cast<uint8_t>(c & 0xFF), static_cast<uint8_t>((c >> 8) & 0xFF),
                         static_cast<uint8_t>((c >> 16) & 0xFF));
}

inline U_POINTL Point(QPoint p)
{
    return point32_set(p.x(), p.y());
}

inline U_RECTL Rect(int left, int top, int right, int bottom)
{
    return rectl_set(point32_set(left, top), point32_set(right, bottom));
}

// Bounds of the points with both corners included, grown by `margin` and
// held to the 32-bit range.
inline U_RECTL Bounds(const std::vector<QPoint>& points, int margin)
{
    if (points.empty())
        return Rect(0, 0, -1, -1);
    long long l = points[0].x(), t = points[0].y(), r = l, b = t;
    for (QPoint p : points) {
        l = std::min<long long>(l, p.x());
        r = std::max<long long>(r, p.x());
        t = std::min<long long>(t, p.y());
        b = std::max<long long>(b, p.y());
    }
    auto held = [](long long v) {
        return static_cast<int>(std::clamp<long long>(v, INT32_MIN, INT32_MAX));
    };
    return Rect(held(l - margin), held(t - margin), held(r + margin), held(b + margin));
}

inline bool Fits16(const std::vector<QPoint>& points)
{
    return std::all_of(points.begin(), points.end(), [](QPoint p) {
        return p.x() >= INT16_MIN && p.x() <= INT16_MAX && p.y() >= INT16_MIN && p.y() <= INT16_MAX;
    });
}

} // namespace kel::emf
