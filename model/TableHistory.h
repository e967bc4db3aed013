#pragma once
// The undo history of the object table. Each step keeps the rows that one
// action changed, before and after, so undoing and redoing write back only
// those rows. A change of tags or row-number marks alone is no step: tags
// ride along with the next real change and come back with its undo.

#include "model/ObjectTable.h"

#include <QtGlobal>

#include <deque>
#include <vector>

namespace kel {

// How much history is kept; the oldest steps go first.
struct HistoryLimits {
    int steps = 200;
    qint64 bytes = qint64(64) << 20;
};

class TableHistory {
public:
    explicit TableHistory(ObjectTable& table, HistoryLimits limits = {});

    // Forgets every step; the table as it is now counts as saved.
    void reset();
    // Makes what changed since the last record one step; false when nothing
    // but tags or row-number marks changed. Any steps to redo are dropped.
    bool record();
    // Take back / put again one step; false when there is none.
    bool undo();
    bool redo();

    // The table as it is now is what the file holds.
    void markSaved();
    // The table differs from the saved state (as far as recorded).
    bool modified() const { return savedPosition_ != static_cast<long long>(position_); }

    int undoSteps() const { return static_cast<int>(position_); }
    int redoSteps() const { return static_cast<int>(steps_.size() - position_); }
    qint64 bytes() const { return bytes_; }

private:
    using Row = ObjectTable::Row;
    struct RowChange {
        int row = 0;
        Row before;
        Row after;
    };
    struct Step {
        int rowsBefore = 0;
        int rowsAfter = 0;
        std::vector<RowChange> rows;
        qint64 bytes = 0;
    };

    void apply(const Step& step, bool forward);
    void dropOldest();
    void takeBaseline();

    ObjectTable& table_;
    HistoryLimits limits_;
    // The table as of the last record, undo or redo: what the next step
    // compares against.
    std::vector<Row> baseline_;
    quint64 baselineRevision_ = 0;
    std::deque<Step> steps_;
    size_t position_ = 0;         // steps_[0, position_) are done
    long long savedPosition_ = 0; // -1 once the saved state cannot come back
    qint64 bytes_ = 0;
};

} // namespace kel
