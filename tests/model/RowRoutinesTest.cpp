#include "model/RowRoutines.h"
#include "FakeUi.h"
#include "support/KelTestFiles.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::fillPoints;
using test::rowText;

class RowRoutines : public ::testing::Test {
protected:
    test::FakeUi ui;
    Document doc{ui};
};

TEST_F(RowRoutines, FindFreeRowHandsOutTheFirstFreeRowEmptiedAndCurrent)
{
    fillPoints(doc.table, 2);
    doc.table.setCell(5, 3, "00FF0001"); // left over from an edit by hand
    doc.table.setCell(kTagColumn, 3, kTagMark);
    EXPECT_EQ(FindFreeRow(doc), 3);
    EXPECT_EQ(rowText(doc.table, 3), "||||||||||");
    EXPECT_EQ(ui.currentRowCalls, std::vector<int>{3});
    EXPECT_EQ(doc.table.rows(), 500);
}

TEST_F(RowRoutines, FindFreeRowGrowsAFullTableOneNumberedRowAtATime)
{
    fillPoints(doc.table, 499);
    EXPECT_EQ(FindFreeRow(doc), 500);
    doc.table.setCell(1, 500, "Y");
    EXPECT_EQ(FindFreeRow(doc), 501);
    EXPECT_EQ(doc.table.rows(), 502);
    EXPECT_EQ(doc.table.cell(0, 501), "501");
    EXPECT_TRUE(ui.currentRowCalls.empty()); // grown rows are not made current
}

TEST_F(RowRoutines, DeleteRowShiftsUpClearsTheLastRowAndKeepsNumbers)
{
    ObjectTable table(5);
    fillPoints(table, 3);
    table.setCell(kTagColumn, 3, kTagMark);
    DeleteRow(table, 1);
    EXPECT_EQ(rowText(table, 1), "Y|P||2|||||||");
    EXPECT_EQ(rowText(table, 2), "Y|P||3|||||||" + kTagMark);
    EXPECT_EQ(rowText(table, 3), "||||||||||");
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(table.cell(0, r), QString::number(r));

    DeleteRow(table, 4); // the last row of the table
    EXPECT_EQ(table.lastRowInUse(), 2);
    DeleteRow(table, 0); // the header is not an object row
    DeleteRow(table, 5); // outside the table
    EXPECT_EQ(table.cell(2, 0), "2");
    EXPECT_EQ(table.cell(4, 1), "2");
}

TEST_F(RowRoutines, AddLineRowRefusesShortAndUnmeasurableLinesWithoutTakingARow)
{
    EXPECT_FALSE(AddLineRow(doc, 10, 10, 12, 11)); // 2.24 rounds to 2
    EXPECT_EQ(ui.messages, QStringList{"Line too short, line not created"});
    EXPECT_FALSE(AddLineRow(doc, -2000000000, 0, 2000000000, 0));
    EXPECT_EQ(ui.messages.size(), 2);
    std::vector<QPoint> none;
    EXPECT_FALSE(FinishPolyObject(doc, RecordKind::Polyline, none, QPoint(1, 1)));
    EXPECT_EQ(ui.messages.back(), "error12");
    EXPECT_FALSE(doc.table.inUse(1));
    EXPECT_TRUE(ui.currentRowCalls.empty());

    doc.panel.penSwatch = 0x00FF00;
    doc.panel.penWidth.text = "4";
    ASSERT_TRUE(AddLineRow(doc, 10, 20, 13, 20));
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00FF0004|10|20|13|20||||");
}

TEST_F(RowRoutines, FinishPolyObjectBrushesOnlyOpaquePolygons)
{
    doc.current.brushColour = 0x0000FF;
    doc.current.brushStyle = 1;
    std::vector<QPoint> vertices{{1, 2}, {30, 40}, {-5, 6}};
    ASSERT_TRUE(FinishPolyObject(doc, RecordKind::Polygon, vertices, std::nullopt));
    EXPECT_TRUE(vertices.empty());
    EXPECT_EQ(rowText(doc.table, 1), "Y|N|00000001|1 2 30 40 -5 6|||||||");

    doc.panel.transparentObjects = false;
    vertices = {{0, 0}, {10, 0}};
    ASSERT_TRUE(FinishPolyObject(doc, RecordKind::Polygon, vertices, std::nullopt));
    EXPECT_EQ(doc.table.cell(5, 2), "0000FF01");
    EXPECT_EQ(doc.table.lastRowInUse(), 2); // no extra point unless asked for
}

TEST_F(RowRoutines, FinishPolyObjectAppendsTheExtraPointWithTheDefaultShape)
{
    doc.current.defaultPointShape = "2";
    std::vector<QPoint> vertices{{0, 0}, {40, 0}, {20, 30}};
    ASSERT_TRUE(FinishPolyObject(doc, RecordKind::Polyline, vertices, QPoint(20, -10)));
    EXPECT_EQ(doc.table.cell(2, 1), "G");
    EXPECT_EQ(rowText(doc.table, 2), "Y|P|2|20|-10||||||");
    EXPECT_EQ(AddPointRow(doc, 7, 8), 3);
}

} // namespace
} // namespace kel
