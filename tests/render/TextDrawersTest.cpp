#include "render/TextDrawers.h"
#include "DrawerFixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace kel {
namespace {

using test::Colours;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;

class TextRecords : public test::DrawerTest {
protected:
    const BoundDrawer drawText{*this, DrawTextRecord};
    const BoundDrawer drawLabel{*this, DrawLabelRecord};
    // The height of "W" in a font, as the canvas measures it.
    int heightOfW(const QString& name, int size)
    {
        RasterCanvas probe(QSize(10, 10));
        probe.setFont({name, size, kBlack, false, false, 0});
        return probe.textExtent(QStringLiteral("W")).height();
    }
};

TEST_F(TextRecords, AngleZeroStandsOnItsPosition)
{
    const int h = heightOfW(QStringLiteral("Arial"), 20);
    ASSERT_GT(h, 10);
    row(1, "T|100|150|20|000000|0|Arial|W|0");
    ASSERT_FALSE(drawText(1));
    const QRect standing = InkBounds(image());

    // Exactly what the canvas draws with the cell's top-left at (x, y - h).
    RasterCanvas reference(QSize(400, 300));
    reference.setFont({QStringLiteral("Arial"), 20, kBlack, false, false, 0});
    reference.textOut({100, 150 - h}, QStringLiteral("W"));
    reference.finish();
    EXPECT_EQ(image(), reference.image());
    EXPECT_LT(standing.bottom(), 150); // "W" has no descender
}

TEST_F(TextRecords, TurnedTextTakesItsOwnStyleNotTheLastOne)
{
    // Row 1 lies off the canvas: only its font could reach row 2.
    row(1, "T|-5000|100|16|000000|3|Arial|Kelvane|30");
    row(2, "T|100|200|16|000000|0|Arial|Kelvane|30");
    ASSERT_FALSE(drawText(2));
    const QImage alone = image().copy();

    canvas.clear();
    ASSERT_FALSE(drawText(1));
    ASSERT_FALSE(drawText(2));
    EXPECT_EQ(image(), alone);

    // Bold and italic do change a turned text, so the check above can fail.
    canvas.clear();
    row(2, "T|100|200|16|000000|3|Arial|Kelvane|30");
    ASSERT_FALSE(drawText(2));
    EXPECT_NE(image(), alone);
}

TEST_F(TextRecords, CanvasFontAndBrushAreTheSameAfterwardsAndAnEmptyLabelBrushFillsNothing)
{
    const CanvasFont before{QStringLiteral("Times New Roman"), 11, kBlue, true, false, 450};
    canvas.setFont(before);
    row(1, "T|50|50|20|0000FF|2|Arial|Abc|0");
    row(2, "h|0000FF02|50|50|00FF0001|Arial|30|Abc|10");
    for (int r = 1; r <= 2; ++r) {
        ASSERT_FALSE(r == 2 ? drawLabel(r) : drawText(r));
        const CanvasFont after = canvas.font();
        EXPECT_EQ(std::tie(after.name, after.size, after.colour, after.bold, after.escapement),
                  std::tie(before.name, before.size, before.colour, before.bold, before.escapement))
            << r;
        EXPECT_EQ(canvas.brush().style, BrushStyle::Clear) << r;
    }

    canvas.clear();
    current.brushColour = kBlue;
    current.brushStyle = 1;
    row(1, "h|0000FF01|50|60||Arial||OK|");
    ASSERT_FALSE(drawLabel(1));
    EXPECT_EQ(Count(canvas, kBlue), 0);
    EXPECT_GT(Count(canvas, kRed), 0);
    // Size 12 when empty: smaller than the 40 above.
    EXPECT_LT(InkBounds(image()).height(), heightOfW(QStringLiteral("Arial"), 20));
}

TEST_F(TextRecords, FarAndHugeValuesAreSafe)
{
    // Shifted out of the 32-bit range: left out with a reason.
    row(1, "T|" + QString::number(kMin + 2) + "|100|12|000000|0|Arial|A|0");
    const std::optional<QString> why = drawText(1, {5, 0});
    ASSERT_TRUE(why);
    EXPECT_FALSE(why->isEmpty());

    // Standing so high that its top leaves the range: nothing to see.
    row(2, "T|100|" + QString::number(kMin + 3) + "|12|000000|0|Arial|A|0");
    EXPECT_FALSE(drawText(2));
    row(3, "T|10|10|" + QString::number(kMax) + "|000000|0|Arial|A|" + QString::number(kMax));
    EXPECT_FALSE(drawText(3, {}, true));
    row(4, "h|00000001|100|" + QString::number(kMax) + "|FF000001|Arial|20|X|0");
    EXPECT_TRUE(drawLabel(4, {0, -1}));
    EXPECT_FALSE(drawLabel(4));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kWhite}));
}

} // namespace
} // namespace kel
