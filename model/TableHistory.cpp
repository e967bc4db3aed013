#include "model/TableHistory.h"

#include <algorithm>

namespace kel {

namespace {

constexpr int kLastColumn = kTableColumns - 1;

bool sameText(const QString& a, const QString& b)
{
    // Cells that were not written share their data with the baseline.
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

qint64 rowBytes(const ObjectTable::Row& row)
{
    qint64 bytes = static_cast<qint64>(sizeof(row));
    for (const QString& text : row)
        bytes += text.size() * static_cast<qint64>(sizeof(QChar));
    return bytes;
}

} // namespace

TableHistory::TableHistory(ObjectTable& table, HistoryLimits limits)
    : table_(table), limits_(limits)
{
    takeBaseline();
}

void TableHistory::takeBaseline()
{
    baseline_.resize(static_cast<size_t>(table_.rows()));
    for (int r = 0; r < table_.rows(); ++r)
        baseline_[static_cast<size_t>(r)] = table_.rowCells(r);
    baselineRevision_ = table_.revision();
}

void TableHistory::reset()
{
    steps_.clear();
    position_ = 0;
    savedPosition_ = 0;
    bytes_ = 0;
    takeBaseline();
}

bool TableHistory::record()
{
    if (table_.revision() == baselineRevision_)
        return false;
    Step step;
    step.rowsBefore = static_cast<int>(baseline_.size());
    step.rowsAfter = table_.rows();
    bool drawingChanged = step.rowsBefore != step.rowsAfter;
    const Row empty;
    for (int r = 1; r < std::max(step.rowsBefore, step.rowsAfter); ++r) {
        const Row& was = r < step.rowsBefore ? baseline_[static_cast<size_t>(r)] : empty;
        const Row& now = table_.rowCells(r);
        bool rowChanged = false;
        for (int c = 1; c <= kLastColumn; ++c) {
            if (sameText(was[static_cast<size_t>(c)], now[static_cast<size_t>(c)]))
                continue;
            rowChanged = true;
            drawingChanged = drawingChanged || c != kTagColumn;
        }
        if (rowChanged)
            step.rows.push_back({r, was, now});
    }
    baseline_.resize(static_cast<size_t>(step.rowsAfter));
    for (const RowChange& change : step.rows) {
        if (change.row < step.rowsAfter)
            baseline_[static_cast<size_t>(change.row)] = change.after;
    }
    baselineRevision_ = table_.revision();
    if (!drawingChanged)
        return false;

    for (const RowChange& change : step.rows)
        step.bytes += rowBytes(change.before) + rowBytes(change.after);
    while (steps_.size() > position_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
    if (savedPosition_ > static_cast<long long>(position_))
        savedPosition_ = -1;
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++position_;
    while (steps_.size() > 1 && (steps_.size() > static_cast<size_t>(std::max(limits_.steps, 1)) ||
                                 bytes_ > limits_.bytes))
        dropOldest();
    return true;
}

void TableHistory::dropOldest()
{
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --position_;
    savedPosition_ = savedPosition_ > 0 ? savedPosition_ - 1 : -1;
}

bool TableHistory::undo()
{
    record();
    if (position_ == 0)
        return false;
    --position_;
    apply(steps_[position_], false);
    return true;
}

bool TableHistory::redo()
{
    record();
    if (position_ == steps_.size())
        return false;
    apply(steps_[position_], true);
    ++position_;
    return true;
}

void TableHistory::apply(const Step& step, bool forward)
{
    const int rows = forward ? step.rowsAfter : step.rowsBefore;
    {
        ObjectTable::BulkUpdate bulk(table_);
        table_.setRows(rows);
        for (const RowChange& change : step.rows) {
            if (change.row < rows)
                table_.setObjectCells(change.row, forward ? change.after : change.before);
        }
    }
    baseline_.resize(static_cast<size_t>(rows));
    for (const RowChange& change : step.rows) {
        if (change.row < rows)
            baseline_[static_cast<size_t>(change.row)] = forward ? change.after : change.before;
    }
    baselineRevision_ = table_.revision();
}

void TableHistory::markSaved()
{
    record();
    savedPosition_ = static_cast<long long>(position_);
}

} // namespace kel
