#include "model/ObjectTable.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(ObjectTable, IntCellFallsBackToTheDefault)
{
    ObjectTable table(3);
    const auto read = [&table](const QString& text) {
        table.setCell(4, 1, text);
        return table.intCell(4, 1, 100);
    };
    EXPECT_EQ(read("12abc"), 100);
    EXPECT_EQ(read("99999999999"), 100);
    EXPECT_EQ(read("-2147483648"), -2147483648);
    EXPECT_EQ(table.intCell(4, 7, 55), 55); // outside the table
}

TEST(ObjectTable, GrowsAndClearsWithRowsNumbered)
{
    ObjectTable table(3);
    table.setCell(1, 2, "Y");
    table.setCell(kTagColumn, 2, kTagMark);
    table.setRows(6);
    EXPECT_EQ(table.rows(), 6);
    EXPECT_EQ(table.cell(0, 5), "5");
    EXPECT_TRUE(table.tagged(2));
    table.setCell(3, 0, "garbage");
    table.clearObjects();
    EXPECT_EQ(table.rows(), 6);
    EXPECT_EQ(table.cell(3, 0), "3");
    for (int r = 1; r < 6; ++r)
        EXPECT_EQ(table.cell(0, r), QString::number(r));
    EXPECT_FALSE(table.inUse(2));
    EXPECT_FALSE(table.tagged(2));
}

TEST(ObjectTable, LastRowInUseStopsAtTheFirstFreeRow)
{
    ObjectTable table(6);
    EXPECT_EQ(table.lastRowInUse(), 0);
    table.setCell(1, 1, "Y");
    table.setCell(1, 2, "N");
    table.setCell(1, 4, "Y"); // behind a free row: not part of the run
    EXPECT_EQ(table.lastRowInUse(), 2);
    table.setCell(1, 3, "Y");
    EXPECT_EQ(table.lastRowInUse(), 4);
}

} // namespace
} // namespace kel
