#include "model/RowDescription.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

TEST(RowDescriptionTest, EachKindDescribesItsCells)
{
    const struct {
        QStringList cells; // from the type column on
        const char* text;
    } cases[] = {
        {{"L", "00000001", "10", "10", "110", "10"},
         "Line  x1 y1 x2 y2 10 10 110 10  Len=100  Ang=0<-->180"},
        // Unreadable ends count 10: (10, 10) to (40, 50).
        {{"L", "00000001", "x", "", "40", "50"},
         "Line  x1 y1 x2 y2 x  40 50  Len=50  Ang=53<-->127"},
        // Too long for a 32-bit length: nothing rather than a wrapped number.
        {{"L", "", "-2147483648", "0", "2147483647", "0"}, ""},
        {{"A", "00000001", "200", "150", "30", "90", "100"},
         "Arc x y ang1 ang2 R 200 150 30 90 100  Cord=100"},
        {{"A", "", "1", "2", "", "", ""}, "Arc x y ang1 ang2 R 1 2     Cord=0"},
        {{"A", "", "0", "0", "0", "180", "2147483647"}, ""},
        // The other kinds show their cells as stored.
        {{"R", "", "1", "2", "3", "4"}, "Rect  x1 y1 x2 y2 1 2 3 4"},
        {{"1", "", "1", "2", "3", "4", "-8"}, "Round Rect  x1 y1 x2 y2 1 2 3 4"},
        {{"B", "", "1 2 3 4 5 6 7 8"}, "Curve "},
        {{"C", "", "5", "6", "-7", "0000FF01"}, "Circle x y R 5 6 -7"},
        {{"F", "80808003", "7", "8", "000000"}, "Fill x y style border 7 8 80808003 000000"},
        {{"P", "0", "11", "12"}, "Point x y 11 12"},
        {{"T", "5", "6", "14", "000000", "1", "Arial", "Hi there", "45"},
         "Text x y size style angle text 5 6 14 1 45 Hi there"},
        // Kinds without a description.
        {{"K", "", "1", "2"}, ""},
        {{"h", "", "1", "2"}, ""},
        {{"l", "", "1", "2"}, ""},
        {{"", "", "1", "2"}, ""},
    };
    ObjectTable table{4};
    for (const auto& c : cases) {
        table.clearRow(1);
        table.setCell(1, 1, "Y");
        for (int i = 0; i < c.cells.size(); ++i)
            table.setCell(i + 2, 1, c.cells[i]);
        EXPECT_EQ(RowDescription(table, 1), c.text) << c.cells.join(' ').toStdString();
    }
    for (int row : {0, -1, 2, 99}) // header, outside, free, outside
        EXPECT_EQ(RowDescription(table, row), "") << row;
    table.setCell(2, 2, "P"); // a type letter alone does not make a row in use
    EXPECT_EQ(RowDescription(table, 2), "");
}

} // namespace
} // namespace kel
