#pragma once
// The object table: the document. Row 0 is the header (cells 1..11 hold
// "1".."11"), column 0 the row number; rows 1 and up are object rows whose
// columns 1..11 hold text. A row is in use when its state column (1) is not
// empty, and the rows in use stay contiguous from row 1.
//
// It is also the Qt item model behind the grid view: the view sees rows 1..n
// as its rows and columns 1..11 as its columns, with row 0 and column 0 as the
// headers.

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

namespace kel {

inline constexpr int kTableColumns = 12;
inline constexpr int kInitialRows = 500;
inline constexpr int kNumberColumn = 0;
inline constexpr int kStateColumn = 1;
inline constexpr int kTypeColumn = 2;
inline constexpr int kTagColumn = 11;
inline const QString kTagMark = QStringLiteral("\u00B6");

class ObjectTable : public QAbstractTableModel {
    Q_OBJECT
public:
    using Row = std::array<QString, kTableColumns>;

    explicit ObjectTable(int rows = kInitialRows, QObject* parent = nullptr);

    // The grid's row count, header row included (500 at start).
    int rows() const { return static_cast<int>(cells_.size()); }
    // Grows or shrinks the table; new rows are numbered and empty.
    void setRows(int count);

    // Cells are addressed (column, row) like the grid. Reading outside the
    // table gives an empty text; writing outside it is ignored.
    const QString& cell(int column, int row) const;
    void setCell(int column, int row, const QString& text);
    void setCell(int column, int row, long long number);
    // The cell read as a decimal integer, or the default when it is empty,
    // not a whole number or outside 32 bits.
    int intCell(int column, int row, int defaultValue) const;

    bool inUse(int row) const { return !cell(kStateColumn, row).isEmpty(); }
    bool tagged(int row) const { return cell(kTagColumn, row) == kTagMark; }
    // Index of the last row of the contiguous run from row 1 (0 when empty).
    int lastRowInUse() const;

    // Every cell of one row (column 0 included); an empty row outside the table.
    const Row& rowCells(int row) const;
    // Writes columns 1..11 of one row; column 0 keeps the row number.
    void setObjectCells(int row, const Row& cells);

    // Empties columns 1..11 of one row.
    void clearRow(int row);
    // Copies columns 1..11 of row `from` into row `to`.
    void copyRow(int from, int to);
    // Empties columns 1..11 of every row and writes the header again; the
    // row count and the row numbers stay.
    void clearObjects();
    // Writes r into column 0 of every row r >= 1 and the header numbers.
    void renumber();

    // Counts every change of a cell or of the row count, so a caller can tell
    // whether the table changed since it last looked.
    quint64 revision() const { return revision_; }

    // A copy of every cell, to put back when an action fails half-way.
    class Snapshot {
        friend class ObjectTable;
        std::vector<std::array<QString, kTableColumns>> cells;
    };
    Snapshot snapshot() const;
    void restore(const Snapshot& snapshot);

    // Many cell writes: the view hears of them once, at the end.
    class BulkUpdate {
    public:
        explicit BulkUpdate(ObjectTable& table);
        ~BulkUpdate();
        BulkUpdate(const BulkUpdate&) = delete;
        BulkUpdate& operator=(const BulkUpdate&) = delete;

    private:
        ObjectTable& table_;
    };

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    bool valid(int column, int row) const;
    void cellWritten(int column, int row);

    std::vector<Row> cells_;
    quint64 revision_ = 0;
    int bulkDepth_ = 0;
    bool bulkDirty_ = false;
};

} // namespace kel
