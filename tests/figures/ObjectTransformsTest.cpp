#include "figures/ObjectTransforms.h"
#include "FigureTestSupport.h"
#include "model/FakeUi.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

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
    void copyToScratch(std::initializer_list<int> rows)
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
    putTagged(4, "Y|G|00000001|0 0 10 0 10 10 7");
    putTagged(5, "Y|T|100|150|12|0000FF|1|Arial|Hello|30");
    putTagged(6, "Y|A|00000001|100|100|0|90|200");
    putTagged(7, "Y|R|00000001|0|0|10|10");
    putRow(doc.table, 8, "Y|L|00000001|0|0|10|10"); // not tagged
    const TableEditResult result = MirrorTaggedObjects(doc, state);
    EXPECT_TRUE(result.ok());
    EXPECT_TRUE(result.changed);
    EXPECT_EQ(rowText(doc.table, 9), "Y|L|00FF0002|10|300|50|250||||");
    EXPECT_EQ(rowText(doc.table, 10), "Y|P|2|30|220||||||");
    EXPECT_EQ(rowText(doc.table, 11), "Y|C|00000001|100|300|-40|0000FF01||||");
    EXPECT_EQ(rowText(doc.table, 12), "Y|G|00000001|0 400 10 400 10 390|||||||");
    EXPECT_EQ(rowText(doc.table, 13), "Y|T|100|250|12|0000FF|1|Arial|Hello|30|");
    // The image of the upper-right quarter is the lower-right quarter.
    EXPECT_EQ(rowText(doc.table, 14), "Y|A|00000001|100|300|270|0|200|||");
    EXPECT_FALSE(doc.table.inUse(15));
    // The sources stay as they were.
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00FF0002|10|100|50|150||||" + kTagMark);
}

TEST_F(ObjectTransforms, TheMirrorLineGetsNoCopyAndLeavesNoGap)
{
    putTagged(1, "Y|L|00000001|400|200|0|200"); // the mirror line, ends swapped
    putTagged(2, "Y|P|0|5|5");
    putTagged(3, "Y|L|00000001|0|200|400|200");
    EXPECT_TRUE(MirrorTaggedObjects(doc, state).changed);
    EXPECT_EQ(rowText(doc.table, 4), "Y|P|0|5|395||||||");
    EXPECT_EQ(doc.table.lastRowInUse(), 4);
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

TEST_F(ObjectTransforms, ABadCellLeavesEveryObjectAsItWas)
{
    putRow(doc.table, 1, "Y|L|00000001|110|120|150|100");
    putRow(doc.table, 2, "Y|T|150|150|12|0000FF|0|Arial|Hi|"); // no angle
    putRow(doc.table, 3, "Y|P|0|abc|5");
    copyToScratch({1, 2});
    const TableEditResult rotate =
        TransformCropObjects(doc, CropTransform::Rotate, 90, {}, {100, 100});
    EXPECT_FALSE(rotate.ok());
    EXPECT_FALSE(rotate.changed);
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00000001|110|120|150|100||||");
    // A zoom does not read the angle.
    EXPECT_TRUE(TransformCropObjects(doc, CropTransform::Zoom, 200, {100, 100}, {}).changed);

    copyToScratch({1, 3});
    const TableEditResult zoom = TransformCropObjects(doc, CropTransform::Zoom, 50, {100, 100}, {});
    EXPECT_EQ(zoom.error, "'abc' is not a valid integer value");
    EXPECT_EQ(rowText(doc.table, 1), "Y|L|00000001|120|140|200|100||||");
}

TEST_F(ObjectTransforms, ResultsOutsideThePlaneLeaveEveryObjectAsItWas)
{
    putRow(doc.table, 1, "Y|P|0|110|120");
    putRow(doc.table, 2, "Y|C|00000001|100|100|2000000");
    copyToScratch({1, 2});
    const TableEditResult result =
        TransformCropObjects(doc, CropTransform::Zoom, 200000, {100, 100}, {});
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(rowText(doc.table, 1), "Y|P|0|110|120||||||");
    // A scratch row naming no object row is refused as well.
    copyToScratch({1});
    doc.scratch.setCell(0, 1, 999);
    EXPECT_FALSE(TransformCropObjects(doc, CropTransform::Zoom, 200, {100, 100}, {}).ok());
    EXPECT_EQ(rowText(doc.table, 1), "Y|P|0|110|120||||||");
}

} // namespace
} // namespace kel
