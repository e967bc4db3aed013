#include "model/TableHistory.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QStringList>

namespace kel {
namespace {

// The row count and columns 1..10 of every row, as a KEL file holds them;
// tags set after the last step stay where they are.
QString tableText(const ObjectTable& table)
{
    QStringList lines{QString::number(table.rows())};
    for (int r = 1; r < table.rows(); ++r) {
        QStringList cells;
        for (int c = 1; c < kTagColumn; ++c)
            cells << table.cell(c, r);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n'));
}

void addRow(ObjectTable& table, int row, int value)
{
    table.setCell(kStateColumn, row, "Y");
    table.setCell(kTypeColumn, row, "P");
    table.setCell(4, row, value);
}

TEST(TableHistory, RandomEditsUndoToTheStartAndRedoToTheEnd)
{
    ObjectTable table(20);
    TableHistory history(table, {1000, qint64(64) << 20});
    const QString start = tableText(table);
    QRandomGenerator random(19);
    for (int i = 0; i < 400; ++i) {
        const int row = 1 + random.bounded(table.rows() + 3);
        switch (random.bounded(5)) {
        case 0:
            table.setRows(std::max(2, table.rows() + random.bounded(-5, 8)));
            break;
        case 1:
            table.clearRow(row);
            break;
        case 2:
            table.copyRow(1 + random.bounded(table.rows()), row);
            break;
        case 3:
            table.setCell(kTagColumn, row, kTagMark);
            break; // no step alone
        default:
            addRow(table, row, i);
            break;
        }
        history.record();
    }
    const QString end = tableText(table);
    while (history.undo()) {
    }
    EXPECT_EQ(tableText(table), start);
    EXPECT_FALSE(history.modified());
    while (history.redo()) {
    }
    EXPECT_EQ(tableText(table), end);
}

TEST(TableHistory, OnlyDrawingChangesMakeStepsAndTagsComeBackWithThem)
{
    ObjectTable table(5);
    TableHistory history(table);
    addRow(table, 1, 10);
    EXPECT_TRUE(history.record());
    table.setCell(kTagColumn, 1, kTagMark);
    table.setCell(kNumberColumn, 1, "**");
    EXPECT_FALSE(history.record());
    table.setCell(4, 1, 20);
    table.setCell(kTagColumn, 1, QString());
    EXPECT_TRUE(history.record());
    ASSERT_TRUE(history.undo());
    EXPECT_EQ(table.cell(4, 1), "10");
    EXPECT_TRUE(table.tagged(1));
    EXPECT_EQ(history.undoSteps(), 1);
    history.markSaved();
    // A new change drops the step that could have been redone.
    table.setCell(4, 1, 30);
    EXPECT_TRUE(history.undo());
    EXPECT_FALSE(history.modified());
    EXPECT_TRUE(history.redo());
    EXPECT_FALSE(history.redo());
    EXPECT_EQ(table.cell(4, 1), "30");
}

TEST(TableHistory, CapDropsTheOldestSteps)
{
    for (const auto& [limits, kept] : {std::pair{HistoryLimits{3, qint64(1) << 20}, 3},
                                       std::pair{HistoryLimits{200, 1000}, 1}}) {
        ObjectTable table(10);
        TableHistory history(table, limits);
        for (int i = 1; i <= 6; ++i) {
            addRow(table, i, i);
            history.record();
        }
        EXPECT_EQ(history.undoSteps(), kept);
        EXPECT_LE(history.bytes(), limits.bytes);
        while (history.undo()) {
        }
        EXPECT_EQ(table.lastRowInUse(), 6 - kept);
        // The saved state went with the dropped steps.
        EXPECT_TRUE(history.modified());
    }
}

} // namespace
} // namespace kel
