#include "figures/TableQueries.h"
#include "FigureTestSupport.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::putRow;
using test::rowText;
using test::Show;

class TableQueries : public ::testing::Test {
protected:
    ObjectTable table;
};

TEST_F(TableQueries, NearestLineMeasuresToTheInfiniteLineAndKeepsTheLowerRowOnTies)
{
    EXPECT_FALSE(NearestLine(table, {0, 0}));
    putRow(table, 1, "Y|L|00000001|0|0|100|0");     // y = 0
    putRow(table, 2, "Y|C|00000001|50|50|10");      // not a line
    putRow(table, 3, "Y|L|00000001|0|100|100|100"); // y = 100
    putRow(table, 4, "N|L|00000001|0|51|100|51");   // hidden
    EXPECT_EQ(Show(NearestLine(table, {30, 50})), "row 1 (30,0) d=50");
    EXPECT_EQ(Show(NearestLine(table, {30, 60})), "row 3 (30,100) d=40");
    // Far to the right, only the extension of the short line passes near;
    // rows beyond free rows take part.
    putRow(table, 7, "Y|L|00000001|0|200|10|210");
    EXPECT_EQ(NearestLine(table, {1000, 1200})->row, 7);
    // Empty cells read as the record defaults: the first end is (100, 100).
    putRow(table, 7, "Y|L|00000001|||300|200");
    EXPECT_EQ(Show(NearestLine(table, {200, 150})), "row 7 (200,150) d=0");
}

TEST_F(TableQueries, NearestCircleAndArcMeasureToTheOutline)
{
    putRow(table, 1, "Y|C|00000001|0|0|100");
    putRow(table, 2, "Y|C|00000001|300|0|-50|0000FF01"); // filled
    putRow(table, 3, "Y|A|00000001|0|300|0|90|40");
    EXPECT_EQ(Show(NearestCircle(table, {200, 0})), "row 2 (250,0) d=50");
    EXPECT_EQ(Show(NearestCircle(table, {10, 0})), "row 1 (100,0) d=90");
    // The whole circle of the arc counts, also where the arc is not drawn.
    EXPECT_EQ(Show(NearestArc(table, {0, 400})), "row 3 (0,340) d=60");
    EXPECT_FALSE(NearestArc(ObjectTable(), {0, 0}));
}

TEST_F(TableQueries, FindAndMoveLineEndsTakeVisibleLinesEndingAtThePoint)
{
    putRow(table, 1, "Y|L|00000001|10|10|50|50");
    putRow(table, 2, "Y|L|00000001|50|50|90|10");
    putRow(table, 3, "N|L|00000001|50|50|0|0");   // hidden
    putRow(table, 4, "Y|P|0|50|50");              // not a line
    putRow(table, 5, "Y|L|00000001|50|50|50|50"); // both ends there: once
    std::vector<std::pair<int, int>> ends;
    for (const LineEnd& e : FindLineEnds(table, {50, 50}))
        ends.emplace_back(e.row, e.end);
    EXPECT_EQ(ends, (std::vector<std::pair<int, int>>{{1, 1}, {2, 0}, {5, 0}}));
    EXPECT_TRUE(FindLineEnds(table, {51, 50}).empty());

    // Setting moves exactly the ends found: of visible lines, not the point.
    putRow(table, 5, "Y|L|00000001|0|0|1|1");
    SetLineEnds(table, FindLineEnds(table, {50, 50}), {60, 70});
    EXPECT_EQ(rowText(table, 1), "Y|L|00000001|10|10|60|70||||");
    EXPECT_EQ(rowText(table, 2), "Y|L|00000001|60|70|90|10||||");
    EXPECT_EQ(rowText(table, 3), "N|L|00000001|50|50|0|0||||");
    EXPECT_EQ(rowText(table, 4), "Y|P|0|50|50||||||");
}

} // namespace
} // namespace kel
