#pragma once
// Pens and brushes of the construction previews, and a guard that hands the
// canvas back with the pen and brush it had.

#include "model/Attributes.h"
#include "model/Canvas.h"

namespace kel::figpen {

// The line drawer's pen in the given colour: solid with the current width, or
// one pixel dotted when that width is below 1.
inline CanvasPen LinePen(const CurrentAttributes& current, Colour colour)
{
    if (current.penWidth < 1)
        return {colour, 1, PenStyle::Dotted};
    return {colour, current.penWidth, PenStyle::Solid};
}

inline CanvasPen LinePen(const CurrentAttributes& current)
{
    return LinePen(current, current.penColour);
}

// A brush style number used directly: 0 solid, 1 none, 2..7 the hatches. Any
// other number (the polygon tool keeps -1 for "transparent") fills nothing.
inline BrushStyle DirectBrushStyle(int style)
{
    if (style < 0 || style > 7)
        return BrushStyle::Clear;
    return static_cast<BrushStyle>(style);
}

class CanvasGuard {
public:
    explicit CanvasGuard(Canvas& canvas)
        : canvas_(canvas), pen_(canvas.pen()), brush_(canvas.brush())
    {
    }
    ~CanvasGuard()
    {
        canvas_.setPen(pen_);
        canvas_.setBrush(brush_);
    }
    CanvasGuard(const CanvasGuard&) = delete;
    CanvasGuard& operator=(const CanvasGuard&) = delete;

private:
    Canvas& canvas_;
    CanvasPen pen_;
    CanvasBrush brush_;
};

} // namespace kel::figpen
