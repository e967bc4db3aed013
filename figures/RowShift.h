#pragma once
// Moving whole objects by a vector: the new cells of every visible row of the
// scratch table (copies whose column 0 names their object row) shifted by
// the same offset. Every row is read and every new cell worked out before
// the caller writes anything, so a coordinate that leaves the 32-bit plane
// leaves the table as it was.

#include "model/ObjectTable.h"

#include <QPoint>
#include <QString>

#include <array>
#include <vector>

namespace kel {

using RowCells = std::array<QString, kTableColumns>;

struct ShiftedRow {
    int source = 0; // the object row the copy came from (its column 0)
    RowCells cells;
};

struct ShiftResult {
    std::vector<ShiftedRow> rows;
    QString error; // why nothing may be written; empty on success
    bool ok() const { return error.isEmpty(); }
};

// The visible rows 1.. of `scratch` up to its last row in use, shifted by
// `offset`. Each kind moves the cells that place it: both corners or ends,
// the centre, origin, seed or position, the text's anchor, every point of a
// point list. A missing or non-numeric coordinate reads as 100.
ShiftResult ShiftScratchRows(const ObjectTable& scratch, QPoint offset);

} // namespace kel
