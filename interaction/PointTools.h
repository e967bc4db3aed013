#pragma once
// New points: at the pointer, or at coordinates typed on page T7.

#include "interaction/Tool.h"

namespace kel {

// "New Point" > "Use Mouse": one point per click, at the pointer.
class PointByMouseTool : public Tool {
public:
    void click(Editor& editor, QPoint pos) override;
};

// "New Point" > "Enter Coordinate": x, y and the point shape typed into the
// value boxes; every click (or Enter, or "Done") appends the point the
// preview shows, wherever the pointer is. Esc ends it.
class PointByCoordinatesTool : public Tool {
public:
    void start(Editor& editor) override;
    void move(Editor& editor, QPoint pos) override;
    void click(Editor& editor, QPoint pos) override;
};

} // namespace kel
