#include "render/Hatch.h"

#include <QImage>

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
