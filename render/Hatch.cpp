#include "render/Hatch.h"

#include <QImage>

#include <algorithm>
#include <bit>

namespace kel {

bool IsHatch(BrushStyle style)
{
    return style >= BrushStyle::Horizontal && style <= BrushStyle::DiagonalCross;
}

namespace {

// Row `row` (0..7) of the style's tile as eight bits, bit c for column c.
unsigned RowMask(BrushStyle style, int row)
{
    switch (style) {
    case BrushStyle::Horizontal:
        return row == 0 ? 0xFFu : 0u;
    case BrushStyle::Vertical:
        return 1u;
    case BrushStyle::ForwardDiagonal: // "\" falling to the right
        return 1u << row;
    case BrushStyle::BackwardDiagonal: // "/" rising to the right
        return 1u << (7 - row);
    case BrushStyle::Cross:
        return row == 0 ? 0xFFu : 1u;
    case BrushStyle::DiagonalCross:
        return 1u << row | 1u << (7 - row);
    case BrushStyle::Solid:
        return 0xFFu;
    case BrushStyle::Clear:
        break;
    }
    return 0u;
}

} // namespace

bool HatchCovers(BrushStyle style, int x, int y)
{
    return (RowMask(style, y & 7) >> (x & 7)) & 1u;
}

unsigned HatchRowBits(BrushStyle style, int y)
{
    return RowMask(style, y & 7);
}

void PaintHatchSpan(QRgb* line, int x1, int x2, int y, BrushStyle style, int scale, QRgb ink)
{
    const unsigned mask = RowMask(style, (y / scale) & 7);
    if (mask == 0)
        return;
    if (mask == 0xFFu) {
        std::fill_n(line + x1, x2 - x1 + 1, ink);
        return;
    }
    if (scale == 1) {
        // One or two columns of the tile: every eighth pixel from the first.
        for (unsigned bits = mask; bits != 0; bits &= bits - 1) {
            const int column = std::countr_zero(bits);
            for (int x = x1 + ((column - x1) & 7); x <= x2; x += 8)
                line[x] = ink;
        }
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

Qt::BrushStyle QtHatchPattern(BrushStyle style)
{
    switch (style) {
    case BrushStyle::Horizontal:
        return Qt::HorPattern;
    case BrushStyle::Vertical:
        return Qt::VerPattern;
    case BrushStyle::ForwardDiagonal:
        return Qt::FDiagPattern;
    case BrushStyle::BackwardDiagonal:
        return Qt::BDiagPattern;
    case BrushStyle::Cross:
        return Qt::CrossPattern;
    default:
        return Qt::DiagCrossPattern;
    }
}

} // namespace kel
