#include "model/RowDescription.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

class RowDescriptionTest : public ::testing::Test {
protected:
    ObjectTable table{4};

    QString describe(const QStringList& cells)
    {
        table.clearRow(1);
        table.setCell(1, 1, "Y");
        for (int i = 0; i < cells.size(); ++i)
            table.setCell(i + 2, 1, cells[i]);
        return RowDescription(table, 1);
    }
};

TEST_F(RowDescriptionTest, LineShowsLengthAndBothAngles)
{
    EXPECT_EQ(describe({"L", "00000001", "10", "10", "110", "10"}),
              "Line  x1 y1 x2 y2 10 10 110 10  Len=100  Ang=0<-->180");
    // Unreadable ends count 10: (10, 10) to (40, 50).
    EXPECT_EQ(describe({"L", "00000001", "x", "", "40", "50"}),
              "Line  x1 y1 x2 y2 x  40 50  Len=50  Ang=53<-->127");
    // Too long for a 32-bit length: nothing rather than a wrapped number.
    EXPECT_EQ(describe({"L", "", "-2147483648", "0", "2147483647", "0"}), "");
}

TEST_F(RowDescriptionTest, ArcShowsItsChord)
{
    EXPECT_EQ(describe({"A", "00000001", "200", "150", "30", "90", "100"}),
              "Arc x y ang1 ang2 R 200 150 30 90 100  Cord=100");
    EXPECT_EQ(describe({"A", "", "1", "2", "", "", ""}), "Arc x y ang1 ang2 R 1 2     Cord=0");
    EXPECT_EQ(describe({"A", "", "0", "0", "0", "180", "2147483647"}), "");
}

TEST_F(RowDescriptionTest, OtherTypesShowTheirCellsAsStored)
{
    EXPECT_EQ(describe({"R", "", "1", "2", "3", "4"}), "Rect  x1 y1 x2 y2 1 2 3 4");
    EXPECT_EQ(describe({"1", "", "1", "2", "3", "4", "-8"}), "Round Rect  x1 y1 x2 y2 1 2 3 4");
    EXPECT_EQ(describe({"B", "", "1 2 3 4 5 6 7 8"}), "Curve ");
    EXPECT_EQ(describe({"C", "", "5", "6", "-7", "0000FF01"}), "Circle x y R 5 6 -7");
    EXPECT_EQ(describe({"F", "80808003", "7", "8", "000000"}),
              "Fill x y style border 7 8 80808003 000000");
    EXPECT_EQ(describe({"P", "0", "11", "12"}), "Point x y 11 12");
    EXPECT_EQ(describe({"T", "5", "6", "14", "000000", "1", "Arial", "Hi there", "45"}),
              "Text x y size style angle text 5 6 14 1 45 Hi there");
}

TEST_F(RowDescriptionTest, EmptyForHeaderFreeRowsAndUndescribedTypes)
{
    for (const char* letter : {"K", "h", "l", ""})
        EXPECT_EQ(describe({letter, "", "1", "2"}), "") << letter;
    for (int row : {0, -1, 2, 99}) // header, outside, free, outside
        EXPECT_EQ(RowDescription(table, row), "") << row;
    table.setCell(2, 2, "P"); // a type letter alone does not make a row in use
    EXPECT_EQ(RowDescription(table, 2), "");
}

} // namespace
} // namespace kel
