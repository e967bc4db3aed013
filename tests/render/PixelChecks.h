#pragma once
// Reading the pixels of a raster canvas in drawing colours, for the pixel
// tests of the canvas, the drawers and the renderer.

#include "model/Colour.h"
#include "render/RasterCanvas.h"

#include <QByteArray>
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
inline constexpr Colour kBlue = 0xFF0000;
inline constexpr Colour kYellow = 0x00FFFF;

inline Colour At(const QImage& image, int x, int y)
{
    return fromQRgb(image.pixel(x, y));
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

// An EMR_HEADER of 88 bytes with the given frame in 0.01 mm and bounds in
// pixels, and an end-of-file record.
inline QByteArray EmfHeader(qint32 frameRight, qint32 frameBottom, qint32 boundsRight = 0,
                            qint32 boundsBottom = 0)
{
    QByteArray header(88, '\0');
    const auto put = [&](int offset, qint32 value) {
        for (int i = 0; i < 4; ++i)
            header[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    };
    put(0, 1);
    put(4, 88);
    put(16, boundsRight);
    put(20, boundsBottom);
    put(32, frameRight);
    put(36, frameBottom);
    put(40, 0x464D4520);
    QByteArray eof(20, '\0');
    eof[0] = 14;
    eof[4] = 20;
    eof[16] = 20;
    return header + eof;
}

} // namespace test
} // namespace kel
