#include "render/TextDrawers.h"
#include "DrawerFixture.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

#include <tuple>

namespace kel {
namespace {

using test::Colours;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;

// Text records and bordered labels drawn from rows of a table.
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

TEST_F(TextRecords, AngleZeroStandsOnItsPositionOthersHangFromIt)
{
    const int h = heightOfW(QStringLiteral("Arial"), 20);
    ASSERT_GT(h, 10);
    row(1, "T|100|150|20|000000|0|Arial|W|0");
    ASSERT_FALSE(drawText(1));
    const QRect standing = InkBounds(image());

    // The cell's top-left corner at (x, y - h): exactly what the canvas draws
    // there.
    RasterCanvas reference(QSize(400, 300));
    reference.setFont({QStringLiteral("Arial"), 20, kBlack, false, false, 0});
    reference.textOut({100, 150 - h}, QStringLiteral("W"));
    reference.finish();
    EXPECT_EQ(image(), reference.image());
    EXPECT_LT(standing.bottom(), 150); // "W" has no descender

    // Angle 1 hangs from the same position: one text height lower.
    canvas.clear();
    row(1, "T|100|150|20|000000|0|Arial|W|1");
    ASSERT_FALSE(drawText(1));
    const QRect hanging = InkBounds(image());
    EXPECT_NEAR(hanging.top() - standing.top(), h, 2);
    EXPECT_NEAR(hanging.left(), standing.left(), 1);
}

TEST_F(TextRecords, EmptyCellsTakeTheirDefaults)
{
    row(1, "T|60|80|8|0000FF|0|Arial|Kelvane|0");
    ASSERT_FALSE(drawText(1));
    const QImage explicitSize = image().copy();

    canvas.clear();
    row(1, "T|60|80||0000FF||Arial|Kelvane|");
    ASSERT_FALSE(drawText(1));
    EXPECT_EQ(image(), explicitSize);

    canvas.clear();
    row(1, "T||||0000FF||Arial|Kelvane|");
    ASSERT_FALSE(drawText(1));
    const QRect ink = InkBounds(image());
    EXPECT_GE(ink.left(), 100);
    EXPECT_LT(ink.bottom(), 100 + 3); // stands on y = 100
    EXPECT_GT(ink.bottom(), 90);
}

TEST_F(TextRecords, NinetyDegreesReadsUpwardsFromTheTopLeftCorner)
{
    row(1, "T|200|250|16|FF0000|0|Arial|Kelvane|90");
    ASSERT_FALSE(drawText(1));
    const QRect ink = InkBounds(image());
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.right(), 200 + heightOfW(QStringLiteral("Arial"), 16));
    EXPECT_LE(ink.bottom(), 251);
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kBlue, kWhite}));
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

TEST_F(TextRecords, CanvasFontAndBrushAreTheSameAfterwards)
{
    const CanvasFont before{QStringLiteral("Times New Roman"), 11, kBlue, true, false, 450};
    canvas.setFont(before);
    row(1, "T|50|50|20|0000FF|2|Arial|Abc|0");
    row(2, "T|50|50|20|0000FF|1|Arial|Abc|45");
    row(3, "h|0000FF02|50|50|00FF0001|Arial|30|Abc|10");
    for (int r = 1; r <= 3; ++r) {
        ASSERT_FALSE(r == 3 ? drawLabel(r) : drawText(r));
        const CanvasFont after = canvas.font();
        EXPECT_EQ(std::tie(after.name, after.size, after.colour, after.bold, after.escapement),
                  std::tie(before.name, before.size, before.colour, before.bold, before.escapement))
            << r;
        EXPECT_EQ(canvas.brush().style, BrushStyle::Clear) << r;
    }
}

TEST_F(TextRecords, HighlightIsLargerPlainAndRedOrBlackForRedText)
{
    row(1, "T|50|150|16|00FF00|0|Arial|Kelvane|0");
    ASSERT_FALSE(drawText(1));
    const QRect normal = InkBounds(image());

    canvas.clear();
    ASSERT_FALSE(drawText(1, {}, true));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kRed, kWhite}));
    const QRect larger = InkBounds(image());
    EXPECT_GT(larger.height(), normal.height());

    // A red text is highlighted in black; a turned one is shown unturned.
    canvas.clear();
    row(1, "T|50|150|16|0000FF|0|Arial|Kelvane|90");
    ASSERT_FALSE(drawText(1, {}, true));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kBlack, kWhite}));
    EXPECT_EQ(InkBounds(image()), larger);
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
    // Huge sizes and angles.
    row(3, "T|10|10|" + QString::number(kMax) + "|000000|0|Arial|A|" + QString::number(kMax));
    EXPECT_FALSE(drawText(3, {}, true));

    // Whole turns make no difference.
    canvas.clear();
    row(4, "T|200|150|14|000000|0|Arial|Turn|" + QString::number(kMax));
    ASSERT_FALSE(drawText(4));
    const QImage turned = image().copy();
    canvas.clear();
    row(4, "T|200|150|14|000000|0|Arial|Turn|" + QString::number(kMax % 360));
    ASSERT_FALSE(drawText(4));
    EXPECT_EQ(image(), turned);
}

TEST_F(TextRecords, OffsetMovesTheText)
{
    row(1, "T|150|130|14|000000|1|Arial|Shift|0");
    ASSERT_FALSE(drawText(1));
    const QRect at = InkBounds(image());
    canvas.clear();
    ASSERT_FALSE(drawText(1, {40, -20}));
    EXPECT_EQ(InkBounds(image()), at.translated(-40, 20));
}

// --- Bordered labels --------------------------------------------------------

TEST_F(TextRecords, LabelWithoutFillShowsOnlyTheOutline)
{
    row(1, "h|0000FF01|50|60|FF000000|Arial|40|OK|0");
    ASSERT_FALSE(drawLabel(1));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kRed, kWhite}));
    // The pen of column 3 is now the current pen.
    EXPECT_EQ(current.penColour, kRed);
    // Hanging from its position.
    const QRect ink = InkBounds(image());
    EXPECT_GE(ink.top(), 60);
    EXPECT_LT(ink.top(), 60 + heightOfW(QStringLiteral("Arial"), 40) / 2);
}

TEST_F(TextRecords, LabelWithSolidBrushIsFilledAndOutlined)
{
    row(1, "h|0000FF01|50|60|FF000001|Arial|40|OK|0");
    ASSERT_FALSE(drawLabel(1));
    const int solid = Count(canvas, kBlue);
    EXPECT_GT(solid, 100);
    EXPECT_GT(Count(canvas, kRed), 50);

    // A hatch fills only some of the inside.
    canvas.clear();
    row(1, "h|0000FF01|50|60|FF000002|Arial|40|OK|0");
    ASSERT_FALSE(drawLabel(1));
    EXPECT_GT(Count(canvas, kBlue), 0);
    EXPECT_LT(Count(canvas, kBlue), solid);
}

TEST_F(TextRecords, LabelWithEmptyBrushIsNotFilledByAnEarlierBrush)
{
    current.brushColour = kBlue;
    current.brushStyle = 1;
    row(1, "h|0000FF01|50|60||Arial||OK|");
    ASSERT_FALSE(drawLabel(1));
    EXPECT_EQ(Count(canvas, kBlue), 0);
    EXPECT_GT(Count(canvas, kRed), 0);
    // Size 12 when empty: smaller than the 40 above.
    EXPECT_LT(InkBounds(image()).height(), heightOfW(QStringLiteral("Arial"), 20));
}

TEST_F(TextRecords, TurnedLabelAndHighlight)
{
    row(1, "h|00000002|200|250|FF000001|Arial|30|Up|90");
    ASSERT_FALSE(drawLabel(1));
    const QRect upright = InkBounds(image());
    EXPECT_GT(upright.height(), upright.width());
    const int normalInk = Count(canvas, kBlack);

    canvas.clear();
    ASSERT_FALSE(drawLabel(1, {}, true));
    EXPECT_EQ(Count(canvas, kBlack), 0);
    EXPECT_GT(Count(canvas, kRed), normalInk); // one pixel wider
    EXPECT_GT(Count(canvas, kBlue), 0);        // still filled
}

TEST_F(TextRecords, LabelOutOfRangeIsLeftOut)
{
    row(1, "h|00000001|100|" + QString::number(kMax) + "|FF000001|Arial|20|X|0");
    EXPECT_TRUE(drawLabel(1, {0, -1}));
    EXPECT_FALSE(drawLabel(1));
    EXPECT_EQ(Colours(image()), (std::set<Colour>{kWhite}));
}

} // namespace
} // namespace kel
