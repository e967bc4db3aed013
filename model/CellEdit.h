#pragma once
// The cell editor of page "Edit": the row it was opened on, the chosen column
// and a copy of the row as it was loaded. An update lands only on that row,
// only while it is the current row and unchanged since it was loaded, so a
// cell never goes into a row that moved or changed meanwhile.

#include "model/ObjectTable.h"

#include <QString>

#include <array>

namespace kel {

class CellEdit {
public:
    static constexpr int kFirstColumn = 1;
    static constexpr int kLastColumn = 10;

    enum class Update { Written, RowChanged, TypeColumn, EmptyState };

    // Remembers a row in use; a free row forgets the remembered one and
    // gives false.
    bool open(const ObjectTable& table, int row);
    // Chooses a column (kept within 1 to 10), loads the copy of the
    // remembered row and gives the cell's text (empty when no row is open).
    QString choose(const ObjectTable& table, int column);
    // Writes `text` into the chosen cell of the remembered row. Refused when
    // that row is free, is not `currentRow` or differs from the copy, for the
    // type column, and for an empty state column (a free row in the middle
    // would stop every later row from drawing).
    Update update(ObjectTable& table, int currentRow, const QString& text);

    int row() const { return row_; }
    int column() const { return column_; }
    bool columnWritable() const { return column_ != kTypeColumn; }

private:
    void loadCopy(const ObjectTable& table);
    bool rowUnchanged(const ObjectTable& table) const;

    int row_ = 0;
    int column_ = kFirstColumn;
    std::array<QString, kLastColumn + 1> copy_;
};

} // namespace kel
