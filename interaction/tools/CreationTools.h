#pragma once
// The tools that create new objects with the mouse or typed values. Each
// family's file holds its tools and adds them under their modes.

namespace kel {

class ToolRegistry;

// Points, lines, circles and arcs.
void registerPointTools(ToolRegistry& tools);
void registerLineTools(ToolRegistry& tools);
void registerCircleTools(ToolRegistry& tools);
void registerArcTools(ToolRegistry& tools);

// Rectangles, ellipses, polylines and polygons, grids and fills, texts and
// labels, fractions and the radical sign.
void registerRectangleTools(ToolRegistry& tools);
void registerEllipseTools(ToolRegistry& tools);
void registerPolyTools(ToolRegistry& tools);
void registerGridFillTools(ToolRegistry& tools);
void registerTextTools(ToolRegistry& tools);
void registerGlyphTools(ToolRegistry& tools);

// Bezier curves and their editing, interpolation graphs, sine waves, stars
// and regular polygons, semicircles, arrowheads and ticks.
void registerBezierTools(ToolRegistry& tools);
void registerCurvatureTool(ToolRegistry& tools);
void registerGraphTool(ToolRegistry& tools);
void registerSineWaveTool(ToolRegistry& tools);
void registerStarPolygonTools(ToolRegistry& tools);
void registerSemicircleTool(ToolRegistry& tools);
void registerLineMarkTools(ToolRegistry& tools);

} // namespace kel
