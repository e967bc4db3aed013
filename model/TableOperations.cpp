#include "model/TableOperations.h"

#include "model/KelFile.h"
#include "model/RecordKinds.h"
#include "model/RowRoutines.h"

#include <algorithm>
#include <array>

namespace kel {

namespace {

constexpr int kFreeRowsAfterCompacting = 10;
const QString kHidden = QStringLiteral("N");

using RowCells = std::array<QString, kTableColumns>;

RowCells takeCells(const ObjectTable& table, int row)
{
    RowCells cells;
    for (int c = 1; c < kTableColumns; ++c)
        cells[static_cast<size_t>(c)] = table.cell(c, row);
    return cells;
}

void putCells(ObjectTable& table, int row, const RowCells& cells)
{
    for (int c = 1; c < kTableColumns; ++c)
        table.setCell(c, row, cells[static_cast<size_t>(c)]);
}

// The rows in use within the range, as first and count.
std::pair<int, int> rowsInUseWithin(const ObjectTable& table, RowRange range)
{
    const int first = std::max(range.first, 1);
    const int last = std::min(range.last, table.lastRowInUse());
    return {first, std::max(last - first + 1, 0)};
}

} // namespace

int TagRowsInRange(ObjectTable& table, RowRange range)
{
    const auto [first, count] = rowsInUseWithin(table, range);
    ObjectTable::BulkUpdate bulk(table);
    for (int r = first; r < first + count; ++r)
        table.setCell(kTagColumn, r, kTagMark);
    return count;
}

int DeleteRowsInRange(ObjectTable& table, RowRange range)
{
    const auto [first, count] = rowsInUseWithin(table, range);
    ObjectTable::BulkUpdate bulk(table);
    for (int i = 0; i < count; ++i)
        DeleteRow(table, first);
    return count;
}

int CompactUntaggedRows(ObjectTable& table)
{
    ObjectTable::BulkUpdate bulk(table);
    const int last = table.lastRowInUse();
    int kept = 0;
    for (int r = 1; r <= last; ++r) {
        if (!table.tagged(r))
            table.copyRow(r, ++kept);
    }
    for (int r = kept + 1; r < table.rows(); ++r)
        table.clearRow(r);
    table.setRows(kept + kFreeRowsAfterCompacting);
    table.renumber();
    return last - kept;
}

int HideTaggedRows(ObjectTable& table)
{
    ObjectTable::BulkUpdate bulk(table);
    int hidden = 0;
    for (int r = 1; table.inUse(r); ++r) {
        if (table.tagged(r)) {
            table.setCell(kStateColumn, r, kHidden);
            ++hidden;
        }
    }
    return hidden;
}

int DuplicateTaggedRows(Document& doc)
{
    ObjectTable& table = doc.table;
    ObjectTable::BulkUpdate bulk(table);
    const int last = table.lastRowInUse();
    std::vector<int> copies;
    for (int r = 1; r <= last; ++r) {
        if (!table.tagged(r))
            continue;
        const int copy = FindFreeRow(doc);
        table.copyRow(r, copy);
        table.setCell(kNumberColumn, copy, copy);
        copies.push_back(copy);
    }
    if (copies.empty())
        return 0;
    for (int r = 1; table.inUse(r); ++r)
        table.setCell(kTagColumn, r, QString());
    for (const int copy : copies)
        table.setCell(kTagColumn, copy, kTagMark);
    return copies.front();
}

int MoveRowToEnd(Document& doc, int row)
{
    ObjectTable& table = doc.table;
    if (!table.inUse(row))
        return 0;
    ObjectTable::BulkUpdate bulk(table);
    const RowCells cells = takeCells(table, row);
    DeleteRow(table, row);
    const int moved = FindFreeRow(doc);
    putCells(table, moved, cells);
    return moved;
}

void SwapRows(ObjectTable& table, int first, int second)
{
    ObjectTable::BulkUpdate bulk(table);
    const RowCells kept = takeCells(table, first);
    table.copyRow(second, first);
    putCells(table, second, kept);
}

std::optional<int> TargetRow(const QString& answer, int lastRowInUse, int current)
{
    bool ok = false;
    const int target = answer.trimmed().toInt(&ok);
    if (!ok || target < 1 || target > lastRowInUse || target == current)
        return std::nullopt;
    return target;
}

int ObjectDataSize(const ObjectTable& table, int row)
{
    const std::optional<RecordKind> kind = RowKind(table, row);
    int column = 0;
    switch (kind.value_or(RecordKind::Point)) {
    case RecordKind::EmfPicture:
    case RecordKind::JpgPicture:
    case RecordKind::BitmapPicture:
        column = col::picture::Data;
        break;
    case RecordKind::Text:
        column = col::text::Text;
        break;
    case RecordKind::Polyline:
    case RecordKind::Polynomial:
    case RecordKind::Polygon:
        column = col::list::Points;
        break;
    default:
        return static_cast<int>(kelLine(table, row).size());
    }
    return static_cast<int>(table.cell(column, row).size());
}

} // namespace kel
