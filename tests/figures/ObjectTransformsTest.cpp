#include "figures/ObjectTransforms.h"
#include "FigureTestSupport.h"
#include "figures/RowShift.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace kel {
namespace {

using test::putRow;
using test::rowText;

class ObjectTransforms : public ::testing::Test {
protected:
    ObjectTransforms()
    {
        // Mirror line y = 200.
        state.setPoint(0, {0, 200});
        state.setPoint(1, {400, 200});
    }

    void putTagged(int row, const QString& cells)
    {
        putRow(doc.table, row, cells);
        doc.table.setCell(kTagColumn, row, kTagMark);
    }

    // The scratch table as the crop tools leave it: copies of the given rows,
    // each naming its object row in column 0.
    void copyToScratch(const std::vector<int>& rows)
    {
        doc.scratch.setRows(static_cast<int>(rows.size()) + 1);
        int k = 1;
        for (int r : rows) {
            for (int c = 1; c < kTableColumns; ++c)
                doc.scratch.setCell(c, k, doc.table.cell(c, r));
            doc.scratch.setCell(0, k, r);
            ++k;
        }
    }

    test::FakeUi ui;
    Document doc{ui};
    ConstructionState state;
};

TEST_F(ObjectTransforms, MirrorCopiesEachKindOfTaggedObject)
{
    putTagged(1, "Y|L|00FF0002|10|100|50|150");
    putTagged(2, "Y|P|2|30|180");
    putTagged(3, "Y|C|00000001|100|100|-40|0000FF01");
    putTagged(4, "Y|L|00000001|400|200|0|200"); // the mirror line, ends swapped: no copy
    putTagged(5, "Y|G|00000001|0 0 10 0 10 10 7");
    putTagged(6, "Y|T|100|150|12|0000FF|1|Arial|Hello|30");
    putTagged(7, "Y|A|00000001|100|100|0|90|200");
    putTagged(8, "Y|R|00000001|0|0|10|10");
    putRow(doc.table, 9, "Y|L|00000001|0|0|10|10"); // not tagged
    const TableEditResult result = MirrorTaggedObjects(doc, state);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(rowText(doc.table, 10), "Y|L|00FF0002|10|300|50|250||||");
    EXPECT_EQ(rowText(doc.table, 11), "Y|P|2|30|220||||||");
    EXPECT_EQ(rowText(doc.table, 12), "Y|C|00000001|100|300|-40|0000FF01||||");
    EXPECT_EQ(rowText(doc.table, 13), "Y|G|00000001|0 400 10 400 10 390|||||||");
    EXPECT_EQ(rowText(doc.table, 14), "Y|T|100|250|12|0000FF|1|Arial|Hello|30|");
    // The image of the upper-right quarter is the lower-right quarter.
    EXPECT_EQ(rowText(doc.table, 15), "Y|A|00000001|100|300|270|0|200|||");
    EXPECT_FALSE(doc.table.inUse(16)); // no gap
    // The sources stay as they were.
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00FF0002|10|100|50|150||||" + kTagMark);
}

TEST_F(ObjectTransforms, MirroredArcsRunTheOtherWayWhateverTheirStoredAngles)
{
    putTagged(1, "Y|A|00000001|300|100|-90|0|200");  // lower-right quarter
    putTagged(2, "Y|A|00000001|300|100|10|400|200"); // 10 to 40 degrees
    putTagged(3, "Y|A|00000001|300|100|45|45|200");  // a whole circle
    ASSERT_TRUE(MirrorTaggedObjects(doc, state).ok());
    EXPECT_EQ(rowText(doc.table, 4), "Y|A|00000001|300|300|0|90|200|||");
    EXPECT_EQ(rowText(doc.table, 5), "Y|A|00000001|300|300|320|350|200|||");
    EXPECT_EQ(rowText(doc.table, 6), "Y|A|00000001|300|300|315|315|200|||");
}

TEST_F(ObjectTransforms, MirrorWritesNothingWhenAnImageLeavesThePlane)
{
    putTagged(1, "Y|P|0|5|5");
    putTagged(2, "Y|P|0|5|-2147483300"); // its image lies beyond 2^31 - 1
    const TableEditResult result = MirrorTaggedObjects(doc, state);
    EXPECT_FALSE(result.ok());
    EXPECT_FALSE(result.changed);
    EXPECT_FALSE(doc.table.inUse(3));
    EXPECT_TRUE(ui.messages.isEmpty()); // the caller reports
}

TEST_F(ObjectTransforms, ZoomScalesFromTheAreasCornerWithoutAccumulating)
{
    putRow(doc.table, 1, "Y|L|00000001|110|120|150|100");
    putRow(doc.table, 2, "Y|C|00000001|200|200|-40|0000FF01");
    putRow(doc.table, 3, "Y|T|150|150|12|0000FF|0|Arial|Hi|0");
    putRow(doc.table, 4, "Y|D|00000001|100|300|5|10");
    putRow(doc.table, 5, "Y|A|00000001|200|100|0|90|50");
    putRow(doc.table, 6, "Y|R|00000001|100|100|105|107");
    putRow(doc.table, 7, "Y|G|00000001|110 110 120 130");
    copyToScratch({1, 2, 3, 4, 5, 6, 7});
    const QPoint corner(100, 100);
    EXPECT_TRUE(TransformCropObjects(doc, CropTransform::Zoom, 150, corner, {}).changed);
    const TableEditResult result = TransformCropObjects(doc, CropTransform::Zoom, 200, corner, {});
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00000001|120|140|200|100||||");
    EXPECT_EQ(rowText(doc.table, 2), "Y|C|00000001|300|300|-80|0000FF01||||");
    EXPECT_EQ(rowText(doc.table, 3), "Y|T|200|200|24|0000FF|0|Arial|Hi|0|");
    EXPECT_EQ(rowText(doc.table, 4), "Y|D|00000001|100|500|5|20||||");
    EXPECT_EQ(rowText(doc.table, 5), "Y|A|00000001|300|100|0|90|100|||");
    EXPECT_EQ(rowText(doc.table, 6), "Y|R|00000001|100|100|110|114||||");
    EXPECT_EQ(rowText(doc.table, 7), "Y|G|00000001|120 120 140 160|||||||");
    // The same zoom again changes nothing.
    EXPECT_FALSE(TransformCropObjects(doc, CropTransform::Zoom, 200, corner, {}).changed);
}

TEST_F(ObjectTransforms, RotateTurnsPointsClockwiseOnTheScreen)
{
    putRow(doc.table, 1, "Y|L|00000001|200|100|100|100");
    putRow(doc.table, 2, "Y|A|00000001|200|100|0|90|50");
    putRow(doc.table, 3, "Y|T|150|150|12|0000FF|0|Arial|Hi|30");
    putRow(doc.table, 4, "Y|R|00000001|100|100|150|150");
    putRow(doc.table, 5, "Y|C|00000001|300|100|40");
    copyToScratch({1, 2, 3, 4, 5});
    const TableEditResult result =
        TransformCropObjects(doc, CropTransform::Rotate, 90, {}, {100, 100});
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00000001|100|200|100|100||||");
    EXPECT_EQ(rowText(doc.table, 2), "Y|A|00000001|100|200|270|0|50|||");
    EXPECT_EQ(rowText(doc.table, 3), "Y|T|150|150|12|0000FF|0|Arial|Hi|300|");
    EXPECT_EQ(rowText(doc.table, 4), "Y|R|00000001|100|100|150|150||||");
    EXPECT_EQ(rowText(doc.table, 5), "Y|C|00000001|100|300|40|||||");
}

// A bad cell anywhere, or a result off the plane, stops the whole transform
// before any row is written.
TEST_F(ObjectTransforms, AnyFailureLeavesEveryObjectAsItWas)
{
    const QString line = "Y|L|00000001|110|120|150|100", badCircle = "Y|C|00000001|100|x|20";
    const struct {
        QStringList rows;
        CropTransform kind;
        int value;
        const char* error;
    } cases[] = {
        {{line, "Y|T|150|150|12|0000FF|0|Arial|Hi|"}, CropTransform::Rotate, 90, nullptr},
        {{line, badCircle, "Y|P|0|130|140"}, CropTransform::Zoom, 200, nullptr},
        {{line, badCircle, "Y|P|0|130|140"}, CropTransform::Rotate, 200, nullptr},
        {{line, "Y|P|0|abc|5"}, CropTransform::Zoom, 50, "'abc' is not a valid integer value"},
        {{"Y|P|0|110|120", "Y|C|00000001|100|100|2000000"}, CropTransform::Zoom, 200000, nullptr},
    };
    for (const auto& c : cases) {
        doc.table.clearObjects();
        std::vector<int> rows;
        QStringList before;
        for (const QString& cells : c.rows) {
            rows.push_back(static_cast<int>(rows.size()) + 1);
            putRow(doc.table, rows.back(), cells);
            before << rowText(doc.table, rows.back());
        }
        copyToScratch(rows);
        const TableEditResult result =
            TransformCropObjects(doc, c.kind, c.value, {100, 100}, {100, 100});
        EXPECT_FALSE(result.ok()) << c.rows.join(' ').toStdString();
        EXPECT_FALSE(result.changed);
        if (c.error) {
            EXPECT_EQ(result.error, c.error);
        }
        for (int r : rows)
            EXPECT_EQ(rowText(doc.table, r), before[r - 1]);
    }
    // A zoom does not read a text's angle; a scratch row naming no object
    // row is refused.
    putRow(doc.table, 1, "Y|T|150|150|12|0000FF|0|Arial|Hi|");
    copyToScratch({1});
    EXPECT_TRUE(TransformCropObjects(doc, CropTransform::Zoom, 200, {100, 100}, {}).changed);
    doc.scratch.setCell(0, 1, 999);
    EXPECT_FALSE(TransformCropObjects(doc, CropTransform::Zoom, 300, {100, 100}, {}).ok());
}

// Mended: a zoom of 0 made outlined circles (radius 0 reads as filled) and
// fonts of size 0; the zoom is now at least 3 percent and sizes at least 1.
TEST_F(ObjectTransforms, ZoomNeverShrinksASizeToNothing)
{
    putRow(doc.table, 1, "Y|C|00000001|100|100|20");
    putRow(doc.table, 2, "Y|C|00000001|100|100|-20|0000FF01");
    putRow(doc.table, 3, "Y|T|150|150|12|0000FF|0|Arial|Hi|0");
    putRow(doc.table, 4, "Y|L|00000001|200|100|100|100");
    copyToScratch({1, 2, 3, 4});
    ASSERT_TRUE(TransformCropObjects(doc, CropTransform::Zoom, 0, {100, 100}, {}).ok());
    EXPECT_EQ(rowText(doc.table, 1), "Y|C|00000001|100|100|1|||||");
    EXPECT_EQ(rowText(doc.table, 2), "Y|C|00000001|100|100|-1|0000FF01||||");
    EXPECT_EQ(rowText(doc.table, 3), "Y|T|101|101|1|0000FF|0|Arial|Hi|0|");
    EXPECT_EQ(rowText(doc.table, 4), "Y|L|00000001|103|100|100|100||||");
}

// Mended: column 3 of a metafile picture is its zoom, not a pen.
TEST_F(ObjectTransforms, RestyleGivesThePenOnlyWhereColumn3IsAPen)
{
    putTagged(1, "Y|L|00000001|1|2|3|4");
    putTagged(2, "Y|f|150|110|90|data");
    putTagged(3, "Y|T|1|2|12|000000|0|Arial|Hi|0");
    putRow(doc.table, 4, "Y|C|00000001|1|2|3");
    EXPECT_EQ(RestyleTaggedObjects(doc.table, "0000FF03"), 1);
    EXPECT_EQ(doc.table.cell(3, 1), "0000FF03");
    EXPECT_EQ(doc.table.cell(3, 2), "150");
    EXPECT_EQ(doc.table.cell(3, 3), "1");
    EXPECT_EQ(doc.table.cell(3, 4), "00000001");
}

// Mended: labels, blocks and pictures were left where they were, so a
// duplicate stacked its copies of them on the originals.
TEST(RowShift, EveryKindMovesByTheOffset)
{
    ObjectTable scratch(12);
    const QStringList rows = {"Y|L|00000001|1|2|3|4",
                              "Y|E|00000001|1|2|3|4",
                              "Y|C|00000001|1|2|-5|0000FF01",
                              "Y|T|1|2|12|000000|0|Arial|Hi|0",
                              "Y|N|00000001|1 2 3 4|0000FF01",
                              "Y|h|00000001|1|2||Arial|12|Hi|0",
                              "Y|b|255|1|2|3|4",
                              "Y|j|0|1|2|data",
                              "Y|x|0|1|2|data",
                              "Y|f|100|1|2|data",
                              "Y|F|00FF0004|1|2|000000"};
    for (int r = 1; r <= rows.size(); ++r) {
        test::putRow(scratch, r, rows[r - 1]);
        scratch.setCell(kNumberColumn, r, 20 + r);
    }
    scratch.setCell(kStateColumn, 4, QStringLiteral("N")); // hidden rows stay behind
    const ShiftResult result = ShiftScratchRows(scratch, {10, -1});
    ASSERT_TRUE(result.ok());
    QStringList moved;
    for (const ShiftedRow& row : result.rows) {
        QStringList cells(row.cells.begin() + 1, row.cells.end() - 1);
        moved << QString::number(row.source) + ":" +
                     cells.join('|').remove(QRegularExpression("\\|+$"));
    }
    EXPECT_EQ(moved,
              QStringList({"21:Y|L|00000001|11|1|13|3", "22:Y|E|00000001|11|1|13|3",
                           "23:Y|C|00000001|11|1|-5|0000FF01", "25:Y|N|00000001|11 1 13 3|0000FF01",
                           "26:Y|h|00000001|11|1||Arial|12|Hi|0", "27:Y|b|255|11|1|13|3",
                           "28:Y|j|0|11|1|data", "29:Y|x|0|11|1|data", "30:Y|f|100|11|1|data",
                           "31:Y|F|00FF0004|11|1|000000"}));
    // A text's anchor is its columns 3 and 4.
    scratch.setCell(kStateColumn, 4, QStringLiteral("Y"));
    EXPECT_EQ(ShiftScratchRows(scratch, {1, 1}).rows[3].cells[3], "2");
    // Beyond the 32-bit plane nothing is given.
    const ShiftResult far = ShiftScratchRows(scratch, {2147483647, 0});
    EXPECT_FALSE(far.ok());
    EXPECT_TRUE(far.rows.empty());
}

} // namespace
} // namespace kel
