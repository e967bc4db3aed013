#pragma once
// The interaction state of the one main window: the tool mode and its
// companions.

#include "figures/ConstructionState.h"
#include "interaction/menus/ToolModes.h"

#include <QPoint>

#include <cstdint>
#include <vector>

namespace kel {

struct ToolState {
    ToolMode mode = ToolMode::Idle;
    ConstructionState construction;
    std::vector<QPoint> vertices; // collected by the open-ended tools
    QPoint mouse;                 // last pointer position seen by the move pipeline
    int pickedRow = -1;
    char previousKey = 0;
    bool semicircleFlipped = false; // the wheel turns the semicircle over
    // Makes NearestKeyPoint ignore line ends at distance 0 while set.
    int ignoreZeroDistanceEnds = 0;

    bool idle() const { return mode == ToolMode::Idle; }
};

} // namespace kel
