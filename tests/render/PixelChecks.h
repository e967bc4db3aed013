#pragma once
// Reading the pixels of a raster canvas in drawing colours, for the pixel
// tests of the canvas, the drawers and the renderer.

#include "model/Colour.h"
#include "render/RasterCanvas.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <ostream>
#include <set>

namespace kel {

// Lets GoogleTest show points and colours readably.
inline void PrintTo(const QPoint& p, std::ostream* os)
{
    *os << '(' << p.x() << ", " << p.y() << ')';
}

namespace test {

inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kGreen = 0x00FF00;
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;

inline Colour At(const QImage& image, int x, int y)
{
    return fromQRgb(image.pixel(x, y));
}

inline Colour At(const RasterCanvas& canvas, int x, int y)
{
    return At(canvas.image(), x, y);
}

// How many pixels of the area have exactly the colour.
inline int Count(const QImage& image, const QRect& area, Colour colour)
{
    int n = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += At(image, x, y) == colour;
    return n;
}

inline int Count(const RasterCanvas& canvas, Colour colour)
{
    return Count(canvas.image(), canvas.image().rect(), colour);
}

// The smallest rectangle holding every pixel that is not `background`.
inline QRect InkBounds(const QImage& image, Colour background = kWhite)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (At(image, x, y) != background)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

inline std::set<Colour> Colours(const QImage& image)
{
    std::set<Colour> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(At(image, x, y));
    return colours;
}

} // namespace test
} // namespace kel
