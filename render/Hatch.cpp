#include "render/Hatch.h"

#include <QImage>

#include <algorithm>

namespace kel {

bool IsHatch(BrushStyle style)
{
    return style >= BrushStyle::Horizontal && style <= BrushStyle::DiagonalCross;
}

bool HatchCovers(BrushStyle style, int x, int y)
{
    const int cx = x & 7;
    const int cy = y & 7;
    switch (style) {
    case BrushStyle::Horizontal:
        return cy == 0;
    case BrushStyle::Vertical:
        return cx == 0;
    case BrushStyle::ForwardDiagonal: // "\" falling to the right
        return cx == cy;
    case BrushStyle::BackwardDiagonal: // "/" rising to the right
        return cx + cy == 7;
    case BrushStyle::Cross:
        return cx == 0 || cy == 0;
    case BrushStyle::DiagonalCross:
        return cx == cy || cx + cy == 7;
    case BrushStyle::Solid:
        return true;
    case BrushStyle::Clear:
        return false;
    }
    return false;
}

void PaintHatchSpan(QRgb* line, int x1, int x2, int y, BrushStyle style, int scale, QRgb ink)
{
    // The tile's row as eight bits, one per tile column.
    unsigned mask = 0;
    for (int column = 0; column < 8; ++column)
        mask |= HatchCovers(style, column, y / scale) ? 1u << column : 0u;
    if (mask == 0)
        return;
    if (mask == 0xFFu) {
        std::fill_n(line + x1, x2 - x1 + 1, ink);
        return;
    }
    // Column c of the tile covers the pixels c * scale .. c * scale + scale
    // - 1 of every 8 * scale: only those are visited.
    const int period = 8 * scale;
    for (int column = 0; column < 8; ++column) {
        if (!((mask >> column) & 1u))
            continue;
        const int offset = column * scale;
        for (int start = x1 - ((x1 - offset) % period + period) % period; start <= x2;
             start += period) {
            const int from = std::max(start, x1), to = std::min(start + scale - 1, x2);
            if (from <= to)
                std::fill_n(line + from, to - from + 1, ink);
        }
    }
}

QBrush HatchBrush(BrushStyle style, Colour colour)
{
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    const QRgb ink = toQRgb(colour);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            tile.setPixel(x, y, HatchCovers(style, x, y) ? ink : 0u);
    return QBrush(tile);
}

} // namespace kel
