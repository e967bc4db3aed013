#pragma once
// New arcs: from typed radius and angles, through three points, from two end
// points and a height, and swept around a clicked centre.

#include "interaction/Tool.h"

namespace kel {

// "New Precision Arc": radius and angles from page T1 (or the wheel); one
// click places the centre and ends the tool.
class PrecisionArcTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void reload(Editor& editor);
};

// "3 Point Arc": from the first click through the second to the third; then
// the next arc.
class ThreePointArcTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

// "2 End Points Arc": two clicks are the ends, the third sets the height on
// the perpendicular bisector; then the next arc.
class EndPointsArcTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

// "New Sweep Arc": the centre, a point giving the radius, then three points
// on the circle: the start, one the arc passes and the end. The tool ends
// with its arc.
class SweepArcTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

} // namespace kel
