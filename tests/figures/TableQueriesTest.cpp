#include "figures/TableQueries.h"
#include "FigureTestSupport.h"
#include "model/FakeUi.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::PutRow;
using test::RowText;

class TableQueries : public ::testing::Test {
protected:
    test::FakeUi ui;
    Document doc{ui};
    ObjectTable& table = doc.table;
};

TEST_F(TableQueries, NearestLineMeasuresToTheInfiniteLineAndKeepsTheLowerRowOnTies)
{
    PutRow(table, 1, "Y|L|00000001|0|0|100|0");     // y = 0
    PutRow(table, 2, "Y|C|00000001|50|50|10");      // not a line
    PutRow(table, 3, "Y|L|00000001|0|100|100|100"); // y = 100
    PutRow(table, 4, "N|L|00000001|0|51|100|51");   // hidden
    const auto tie = NearestLine(table, {30, 50});
    ASSERT_TRUE(tie);
    EXPECT_EQ(tie->row, 1);
    EXPECT_EQ(tie->point, QPoint(30, 0));
    EXPECT_EQ(tie->distance, 50);
    const auto lower = NearestLine(table, {30, 60});
    ASSERT_TRUE(lower);
    EXPECT_EQ(lower->row, 3);
    EXPECT_EQ(lower->point, QPoint(30, 100));
    // Far to the right, only the extension of the short line passes near.
    PutRow(table, 5, "Y|L|00000001|0|200|10|210");
    const auto extension = NearestLine(table, {1000, 1200});
    ASSERT_TRUE(extension);
    EXPECT_EQ(extension->row, 5);
    EXPECT_EQ(extension->distance, 0);
}

TEST_F(TableQueries, NearestLineSearchesRowsBeyondAFreeRowAndAnswersNoWithoutLines)
{
    EXPECT_FALSE(NearestLine(table, {0, 0}));
    PutRow(table, 1, "Y|P|0|5|5");
    EXPECT_FALSE(NearestLine(table, {0, 0}));
    PutRow(table, 7, "Y|L|00000001|0|40|100|40"); // rows 2..6 free
    const auto hit = NearestLine(table, {10, 0});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->row, 7);
}

TEST_F(TableQueries, EmptyCellsReadAsTheRecordDefaults)
{
    PutRow(table, 1, "Y|L|00000001|||300|100"); // first end defaults to (100, 100)
    const auto hit = NearestLine(table, {200, 150});
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->point, QPoint(200, 100));
}

TEST_F(TableQueries, NearestCircleAndArcMeasureToTheOutline)
{
    PutRow(table, 1, "Y|C|00000001|0|0|100");
    PutRow(table, 2, "Y|C|00000001|300|0|-50|0000FF01"); // filled
    PutRow(table, 3, "Y|A|00000001|0|300|0|90|40");
    const auto c = NearestCircle(table, {200, 0});
    ASSERT_TRUE(c);
    EXPECT_EQ(c->row, 2);
    EXPECT_EQ(c->point, QPoint(250, 0));
    EXPECT_EQ(c->distance, 50);
    const auto inner = NearestCircle(table, {10, 0});
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->row, 1);
    EXPECT_EQ(inner->point, QPoint(100, 0));
    // The whole circle of the arc counts, also where the arc is not drawn.
    const auto arc = NearestArc(table, {0, 400});
    ASSERT_TRUE(arc);
    EXPECT_EQ(arc->row, 3);
    EXPECT_EQ(arc->point, QPoint(0, 340));
    EXPECT_FALSE(NearestArc(ObjectTable(), {0, 0}));
}

TEST_F(TableQueries, FindLineEndsListsVisibleLinesEndingAtThePoint)
{
    PutRow(table, 1, "Y|L|00000001|10|10|50|50");
    PutRow(table, 2, "Y|L|00000001|50|50|90|10");
    PutRow(table, 3, "N|L|00000001|50|50|0|0");   // hidden
    PutRow(table, 4, "Y|P|0|50|50");              // not a line
    PutRow(table, 5, "Y|L|00000001|50|50|50|50"); // both ends there: once
    const std::vector<LineEnd> ends = FindLineEnds(table, {50, 50});
    ASSERT_EQ(ends.size(), 3u);
    EXPECT_EQ(ends[0].row, 1);
    EXPECT_EQ(ends[0].end, 1);
    EXPECT_EQ(ends[1].row, 2);
    EXPECT_EQ(ends[1].end, 0);
    EXPECT_EQ(ends[2].row, 5);
    EXPECT_EQ(ends[2].end, 0);
    EXPECT_TRUE(FindLineEnds(table, {51, 50}).empty());
}

TEST_F(TableQueries, MoveLineEndsDragsEverySharedEnd)
{
    PutRow(table, 1, "Y|L|00000001|10|10|50|50");
    PutRow(table, 2, "Y|L|00000001|50|50|90|10");
    PutRow(table, 3, "N|L|00000001|50|50|0|0");
    EXPECT_EQ(MoveLineEnds(table, {50, 50}, {60, 70}), 2);
    EXPECT_EQ(RowText(table, 1), "Y|L|00000001|10|10|60|70||||");
    EXPECT_EQ(RowText(table, 2), "Y|L|00000001|60|70|90|10||||");
    EXPECT_EQ(RowText(table, 3), "N|L|00000001|50|50|0|0||||");
    EXPECT_EQ(MoveLineEnds(table, {50, 50}, {1, 1}), 0);
    EXPECT_EQ(RowText(table, 1), "Y|L|00000001|10|10|60|70||||");
}

TEST_F(TableQueries, DivideSegmentAppendsThePointsNearestTheSecondEndFirst)
{
    PutRow(table, 1, "Y|L|00000001|0|0|9|0");
    EXPECT_EQ(DivideSegment(doc, {0, 0}, {9, 0}, 3), 2);
    EXPECT_EQ(RowText(table, 2), "Y|P|0|6|0||||||");
    EXPECT_EQ(RowText(table, 3), "Y|P|0|3|0||||||");
    EXPECT_EQ(DivideSegment(doc, {0, 0}, {9, 0}, 1), 0);
    EXPECT_EQ(DivideSegment(doc, {0, 0}, {9, 0}, -4), 0);
    EXPECT_FALSE(table.inUse(4));
    // Negative coordinates truncate towards zero; far-apart ends do not wrap.
    EXPECT_EQ(DivideSegment(doc, {-10, 2000000000}, {0, -2000000000}, 4), 3);
    EXPECT_EQ(RowText(table, 4), "Y|P|0|-2|-1000000000||||||");
    EXPECT_EQ(RowText(table, 5), "Y|P|0|-5|0||||||");
    EXPECT_EQ(RowText(table, 6), "Y|P|0|-7|1000000000||||||");
}

} // namespace
} // namespace kel
