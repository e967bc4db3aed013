#pragma once
// The tools that create new objects with the mouse or typed values.

namespace kel {

class ToolRegistry;

// Points, lines, circles and arcs.
void registerBasicFigureTools(ToolRegistry& tools);
// Rectangles, ellipses, polylines, polygons, grids, fills, texts and glyphs.
void registerShapeTools(ToolRegistry& tools);

// Bezier curves, interpolation graphs, sine waves, stars, regular polygons,
// semicircles, arrowheads and ticks, and the Bezier editing tools.
void registerCurveTools(ToolRegistry& tools);

inline void registerCreationTools(ToolRegistry& tools)
{
    registerBasicFigureTools(tools);
    registerShapeTools(tools);
    registerCurveTools(tools);
}

} // namespace kel
