#include "model/ObjectTable.h"

#include "model/PlainDecimal.h"

#include <algorithm>
#include <limits>

namespace kel {

namespace {
const QString kEmpty;
const ObjectTable::Row kEmptyRow;
} // namespace

ObjectTable::ObjectTable(int rows, QObject* parent) : QAbstractTableModel(parent)
{
    cells_.resize(static_cast<size_t>(std::max(rows, 1)));
    renumber();
}

void ObjectTable::setRows(int count)
{
    count = std::max(count, 1);
    const int old = rows();
    if (count == old)
        return;
    ++revision_;
    if (count > old) {
        beginInsertRows({}, old - 1, count - 2);
        cells_.resize(static_cast<size_t>(count));
        for (int r = old; r < count; ++r)
            cells_[static_cast<size_t>(r)][0] = QString::number(r);
        endInsertRows();
    } else {
        beginRemoveRows({}, count - 1, old - 2);
        cells_.resize(static_cast<size_t>(count));
        endRemoveRows();
    }
}

bool ObjectTable::valid(int column, int row) const
{
    return column >= 0 && column < kTableColumns && row >= 0 && row < rows();
}

const QString& ObjectTable::cell(int column, int row) const
{
    if (!valid(column, row))
        return kEmpty;
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

void ObjectTable::setCell(int column, int row, const QString& text)
{
    if (!valid(column, row))
        return;
    QString& target = cells_[static_cast<size_t>(row)][static_cast<size_t>(column)];
    if (target == text)
        return;
    target = text;
    cellWritten(column, row);
}

void ObjectTable::setCell(int column, int row, long long number)
{
    setCell(column, row, QString::number(number));
}

int ObjectTable::intCell(int column, int row, int defaultValue) const
{
    const QString& text = cell(column, row);
    bool ok = true;
    const std::optional<long long> plain = PlainDecimal(text);
    const qlonglong value = plain ? *plain : text.toLongLong(&ok, 10);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return defaultValue;
    return static_cast<int>(value);
}

int ObjectTable::lastRowInUse() const
{
    int row = 1;
    while (row < rows() && inUse(row))
        ++row;
    return row - 1;
}

const ObjectTable::Row& ObjectTable::rowCells(int row) const
{
    return valid(0, row) ? cells_[static_cast<size_t>(row)] : kEmptyRow;
}

void ObjectTable::setObjectCells(int row, const Row& cells)
{
    BulkUpdate bulk(*this);
    for (int c = 1; c < kTableColumns; ++c)
        setCell(c, row, cells[static_cast<size_t>(c)]);
}

void ObjectTable::clearRow(int row)
{
    BulkUpdate bulk(*this);
    for (int c = 1; c < kTableColumns; ++c)
        setCell(c, row, kEmpty);
}

void ObjectTable::copyRow(int from, int to)
{
    if (from == to || !valid(0, from) || !valid(0, to))
        return;
    BulkUpdate bulk(*this);
    for (int c = 1; c < kTableColumns; ++c)
        setCell(c, to, cell(c, from));
}

void ObjectTable::clearObjects()
{
    BulkUpdate bulk(*this);
    for (int r = 1; r < rows(); ++r)
        clearRow(r);
    renumber();
}

void ObjectTable::renumber()
{
    BulkUpdate bulk(*this);
    for (int c = 1; c < kTableColumns; ++c)
        setCell(c, 0, QString::number(c));
    for (int r = 1; r < rows(); ++r)
        setCell(kNumberColumn, r, QString::number(r));
}

ObjectTable::Snapshot ObjectTable::snapshot() const
{
    Snapshot copy;
    copy.cells = cells_;
    return copy;
}

void ObjectTable::restore(const Snapshot& snapshot)
{
    if (snapshot.cells.empty())
        return;
    beginResetModel();
    cells_ = snapshot.cells;
    ++revision_;
    endResetModel();
}

void ObjectTable::cellWritten(int column, int row)
{
    ++revision_;
    if (bulkDepth_ > 0) {
        bulkDirty_ = true;
        return;
    }
    if (row == 0) {
        emit headerDataChanged(Qt::Horizontal, column - 1, column - 1);
    } else if (column == 0) {
        emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
    } else {
        const QModelIndex at = index(row - 1, column - 1);
        emit dataChanged(at, at, {Qt::DisplayRole});
    }
}

ObjectTable::BulkUpdate::BulkUpdate(ObjectTable& table) : table_(table)
{
    ++table_.bulkDepth_;
}

ObjectTable::BulkUpdate::~BulkUpdate()
{
    if (--table_.bulkDepth_ > 0 || !table_.bulkDirty_)
        return;
    table_.bulkDirty_ = false;
    if (table_.rows() > 1) {
        emit table_.dataChanged(table_.index(0, 0),
                                table_.index(table_.rows() - 2, kTableColumns - 2),
                                {Qt::DisplayRole});
        emit table_.headerDataChanged(Qt::Vertical, 0, table_.rows() - 2);
    }
    emit table_.headerDataChanged(Qt::Horizontal, 0, kTableColumns - 2);
}

int ObjectTable::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rows() - 1;
}

int ObjectTable::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kTableColumns - 1;
}

QVariant ObjectTable::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    // The tooltip shows the whole value of a cell too narrow for it.
    if (role == Qt::DisplayRole ||
        (role == Qt::ToolTipRole && !cell(index.column() + 1, index.row() + 1).isEmpty()))
        return cell(index.column() + 1, index.row() + 1);
    return {};
}

QVariant ObjectTable::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? cell(section + 1, 0) : cell(kNumberColumn, section + 1);
}

Qt::ItemFlags ObjectTable::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace kel
