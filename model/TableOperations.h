#pragma once
// Operations on object rows as the table's grid offers them: ranges of
// selected rows, tagged rows, and one row's place in the drawing order. Every
// routine keeps the rows in use contiguous from row 1; the caller redraws.

#include "model/Document.h"
#include "model/ObjectTable.h"

#include <QString>

#include <optional>

namespace kel {

// Tags every row in use within the range; gives the number tagged.
int TagRowsInRange(ObjectTable& table, RowRange range);

// Deletes the rows in use within the range (free rows in it are not counted);
// the rows below move up. Gives the number deleted.
int DeleteRowsInRange(ObjectTable& table, RowRange range);

// Keeps only the untagged rows in use, in their order from row 1, and cuts
// the table to them and 10 free rows. Gives the number of rows removed.
int CompactUntaggedRows(ObjectTable& table);

// Every tagged row in use becomes hidden; gives their number.
int HideTaggedRows(ObjectTable& table);

// Appends a copy of every tagged row in use after the objects (the table
// grows when it is full), then tags exactly the copies. Gives the first
// copy's row, or 0 when no row is tagged (nothing changes then).
int DuplicateTaggedRows(Document& doc);

// Moves an object to the end of the drawing order with its cells unchanged
// (state and tag included); the rows below it move up. Gives its new row, or
// 0 for a free row.
int MoveRowToEnd(Document& doc, int row);

// Exchanges the objects of two rows; the row numbers stay in place.
void SwapRows(ObjectTable& table, int first, int second);

// The row typed in answer to "Move to another row": the whole answer as a
// whole number from 1 to the last row in use, other than `current`.
std::optional<int> TargetRow(const QString& answer, int lastRowInUse, int current);

// The number of characters of an object's data: the picture data, the text,
// the point list; for the other kinds, of the row's whole KEL line.
int ObjectDataSize(const ObjectTable& table, int row);

} // namespace kel
