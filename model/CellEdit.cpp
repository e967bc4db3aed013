#include "model/CellEdit.h"

#include <algorithm>

namespace kel {

bool CellEdit::open(const ObjectTable& table, int row)
{
    row_ = table.inUse(row) ? row : 0;
    loadCopy(table);
    return row_ != 0;
}

QString CellEdit::choose(const ObjectTable& table, int column)
{
    column_ = std::clamp(column, kFirstColumn, kLastColumn);
    loadCopy(table);
    return row_ != 0 ? table.cell(column_, row_) : QString();
}

CellEdit::Update CellEdit::update(ObjectTable& table, int currentRow, const QString& text)
{
    if (row_ == 0 || row_ != currentRow || !table.inUse(row_) || !rowUnchanged(table))
        return Update::RowChanged;
    if (column_ == kTypeColumn)
        return Update::TypeColumn;
    if (column_ == kStateColumn && text.isEmpty())
        return Update::EmptyState;
    table.setCell(column_, row_, text);
    loadCopy(table);
    return Update::Written;
}

void CellEdit::loadCopy(const ObjectTable& table)
{
    for (int c = kFirstColumn; c <= kLastColumn; ++c)
        copy_[static_cast<size_t>(c)] = row_ != 0 ? table.cell(c, row_) : QString();
}

bool CellEdit::rowUnchanged(const ObjectTable& table) const
{
    for (int c = kFirstColumn; c <= kLastColumn; ++c) {
        if (table.cell(c, row_) != copy_[static_cast<size_t>(c)])
            return false;
    }
    return true;
}

} // namespace kel
