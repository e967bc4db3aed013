#pragma once
// New circles: of the radius on page T1, through three points, and by
// diameter.

#include "interaction/Tool.h"

namespace kel {

// "New Circle": one click appends a circle of the radius in edtrad (or set
// by the wheel) and a point at its centre, then the next circle.
class CircleTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

// "3 Point Circle": the circle through three clicks; then the next one.
class ThreePointCircleTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

// "Circle by Diameter": the two clicks are the ends of a diameter; then the
// next circle.
class DiameterCircleTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;

private:
    static void track(Editor& editor, QPoint pos);
};

} // namespace kel
