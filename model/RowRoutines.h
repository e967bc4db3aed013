#pragma once
// Allocating, deleting and appending object rows. Every routine keeps the rows
// in use contiguous from row 1.

#include "model/Document.h"
#include "model/ObjectTable.h"
#include "model/RecordKinds.h"

#include <QPoint>

#include <optional>
#include <vector>

namespace kel {

// The first free row, emptied in every column and made the grid's current
// row. When every row is in use the table grows by one numbered row, which is
// returned without being made current.
int FindFreeRow(Document& doc);

// Removes one object row: the rows below move up one, the last row becomes
// empty, the row count stays. Rows outside 1..rows()-1 are left alone.
void DeleteRow(ObjectTable& table, int row);

// Appends a visible line record with the current pen. A line shorter than 3
// pixels (or too long to measure) is refused with a message and leaves the
// table as it was.
bool AddLineRow(Document& doc, int x1, int y1, int x2, int y2);

// Appends a visible point record with the default point shape; gives its row.
int AddPointRow(Document& doc, int x, int y);

// Turns a multi-click tool's vertices into one record of the given kind
// (polyline, polynomial curve or polygon), then appends a point record at extraPoint when the tool
// gives one. Empties the vertex list; an empty list shows "error12" and gives false. The caller
// redraws.
bool FinishPolyObject(Document& doc, RecordKind kind, std::vector<QPoint>& vertices,
                      std::optional<QPoint> extraPoint);

} // namespace kel
