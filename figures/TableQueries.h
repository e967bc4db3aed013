#pragma once
// Questions asked of the object table by the construction tools: the nearest
// line, circle or arc to the pointer and the lines ending at a point. Only
// visible rows (state "Y") of rows 1 .. rows() - 1 take part; cells read
// with the record defaults.

#include "model/ObjectTable.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace kel {

struct RowHit {
    int row = 0;
    QPoint point;     // the nearest point of the object
    int distance = 0; // from the asked point to it
};

// The visible line record whose infinite line passes nearest to p; the point
// is the foot on that line. The lowest row wins ties. A line whose foot
// would leave the 32-bit plane is passed over.
std::optional<RowHit> NearestLine(const ObjectTable& table, QPoint p);
// The visible circle record nearest to p, measured to its outline.
std::optional<RowHit> NearestCircle(const ObjectTable& table, QPoint p);
// The same for arc records, measured to the whole circle of each arc.
std::optional<RowHit> NearestArc(const ObjectTable& table, QPoint p);

struct LineEnd {
    int row = 0;
    int end = 0; // 0: the first end (columns 4, 5), 1: the second (6, 7)
};

// The column of a line record's first (0) or second (1) end's x; its y
// stands in the next column.
int LineEndColumn(int end);
// That end of the line record in `row`, 100 for a coordinate that does not read.
QPoint LineEndPoint(const ObjectTable& table, int row, int end);

// The visible line records with an end exactly at p, in row order; a line
// with both ends there is listed once, by its first end.
std::vector<LineEnd> FindLineEnds(const ObjectTable& table, QPoint p);

// Moves exactly the listed ends to `to`, wherever they are now, so a drag
// keeps the ends it started with and never picks up another line's end it
// passes over.
void SetLineEnds(ObjectTable& table, const std::vector<LineEnd>& ends, QPoint to);

} // namespace kel
