#pragma once
// The snap search behind F4 and the snapping tools: the key point of the
// visible objects nearest to the pointer. Runs on every pointer move, so it
// stays linear in the rows and works out a grid's nearest node directly
// instead of visiting every node.

#include "model/ObjectTable.h"

#include <QPoint>

#include <optional>

namespace kel {

struct KeyPoint {
    QPoint point;
    // 'L' line or arc end, 'G' polyline or polygon vertex, 'B' first or last
    // point of a curve, 'D' grid node, 'P' point or fill seed.
    char kind = 0;
    int distance = 0; // rounded, from the pointer
    int row = 0;      // the record the point belongs to
    int gridI = -1;   // the node's column and row indices for kind 'D'
    int gridJ = -1;
};

// Candidates by record: arc (A) both ends, line (L) both ends, polyline and
// polygon (G, N) every vertex, curves (B, K) the first and last point, grid
// (D) every node (x0 + i * size, y0 - j * size) for i, j = 0 .. cells, fill
// and point (F, P) their point. The strictly smallest distance wins, so on a
// tie the earliest row and, within a row, the first candidate in that order
// (grid nodes by i, then j). With ignoreZeroDistanceLineEnds a line end under
// the pointer is passed over. Nothing when no visible record offers a point.
std::optional<KeyPoint> NearestKeyPoint(const ObjectTable& table, QPoint pointer,
                                        bool ignoreZeroDistanceLineEnds);

} // namespace kel
