#pragma once
// The creation tools of the NewObj and Advanced menus that make shapes other
// than points, lines, circles and arcs: rectangles, ellipses, polylines and
// polygons, grids, fills, texts, bordered labels, fractions and the radical
// sign. Each tool serves the modes it is registered for.

#include "interaction/ShapeToolKit.h"

#include <QPoint>

namespace kel {

class ToolRegistry;

// Reg Rect (5), Round Rect (31), Focus Rect (36): two corners, repeats.
class RectangleTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// Fixed Rect (114): width, height and angle typed on page T7, one click.
class FixedRectTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// Ellipses along a horizontal (134) or vertical (135) axis: three clicks,
// repeats.
class AxisEllipseTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The ellipsoid (105): an ellipse along any axis as two half-ellipse curves.
class EllipsoidTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The polyline (11): one vertex per click, F10 finishes.
class PolylineTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
    bool finish(Editor& editor) override;
    bool backspace(Editor& editor) override;
};

// The closed polygon (91): one vertex per click, F10 adds the pointer as the
// last vertex and finishes.
class PolygonTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
    bool finish(Editor& editor) override;
};

// The square grid (34): cells asked for at the start, one click.
class GridTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The flood fill (17): one fill per click.
class FillTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void click(Editor& editor, QPoint pos) override;
};

// New Text (6): the text of the text page, one click, repeats.
class TextTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The bordered label (136): outlined letters, one click.
class BorderedLabelTool : public ShapeTool {
public:
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The fraction (137): "numerator;denominator" from the text box, one click.
class FractionTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// The radical sign (138): three clicks for the V, the fourth for the bar.
class RadicalTool : public ShapeTool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

} // namespace kel
