#include "render/ShapeDrawers.h"
#include "DrawerFixture.h"
#include "render/Hatch.h"

#include <gtest/gtest.h>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;
using test::kYellow;

class ShapeDrawers : public test::DrawerTest {
protected:
    void pen(int width, Colour colour = kBlack)
    {
        current.penWidth = width;
        current.penColour = colour;
    }
};

TEST_F(ShapeDrawers, ArcDefaultsRunFromThirtyToNinetyDegrees)
{
    pen(1);
    DrawArc(canvas, current, {200, 200}, 100, 30, 90);
    // The box covers pixels 100..299: radius 99.5 around (199.5, 199.5).
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.left(), 200, 1);
    EXPECT_NEAR(ink.right(), 286, 1);
    EXPECT_NEAR(ink.top(), 100, 1);
    EXPECT_NEAR(ink.bottom(), 150, 1);
}

TEST_F(ShapeDrawers, PointShapesZeroAndThree)
{
    pen(1);
    DrawPoint(canvas, current, {50, 50}, 0);
    EXPECT_EQ(At(image(), 50, 50), kYellow);
    EXPECT_EQ(At(image(), 47, 50), kBlack); // rim of width 2
    EXPECT_EQ(At(image(), 48, 50), kBlack);
    EXPECT_EQ(At(image(), 49, 50), kYellow);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(47, 47), QPoint(52, 52)));

    canvas.clear();
    pen(5, kRed); // shape 3 ignores the row's pen
    DrawPoint(canvas, current, {50, 50}, 3);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(48, 48), QPoint(51, 51)));
    EXPECT_EQ(Count(canvas, kBlack), 16);
}

TEST_F(ShapeDrawers, FilledCircleUsesTheFillRule)
{
    pen(1, kBlue);
    current.brushColour = kRed;
    current.brushStyle = 1; // solid
    DrawFilledCircle(canvas, current, {100, 100}, 40);
    EXPECT_EQ(At(image(), 100, 100), kRed);
    EXPECT_EQ(At(image(), 60, 100), kBlue);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(60, 60), QPoint(139, 139)));

    canvas.clear();
    current.brushStyle = 3; // vertical hatch
    DrawFilledCircle(canvas, current, {100, 100}, 40);
    for (int x = 70; x < 130; ++x)
        EXPECT_EQ(At(image(), x, 100) == kRed, HatchCovers(BrushStyle::Vertical, x, 100)) << x;
    EXPECT_EQ(canvas.brush().style, BrushStyle::Clear);
}

TEST_F(ShapeDrawers, WidthZeroGivesDottedLinesAndUnfilledEllipses)
{
    pen(0);
    DrawLine(canvas, current, {10, 10}, {110, 10});
    const int dots = Count(image(), QRect(0, 10, 400, 1), kBlack);
    EXPECT_GE(dots, 49);
    EXPECT_LE(dots, 52);
    EXPECT_EQ(Count(image(), QRect(0, 9, 400, 1), kBlack), 0); // one pixel thin

    canvas.setBrush({kRed, BrushStyle::Solid}); // left over from elsewhere
    DrawEllipse(canvas, current, {20, 20}, {120, 100});
    EXPECT_EQ(Count(canvas, kRed), 0);
    pen(1);
    canvas.setBrush({kRed, BrushStyle::Solid});
    DrawEllipse(canvas, current, {150, 20}, {250, 100});
    EXPECT_EQ(At(image(), 200, 60), kRed); // a solid pen keeps the canvas brush
}

TEST_F(ShapeDrawers, FillFloodsWithThePlatformRuleAndLeavesTheBrushClear)
{
    pen(1);
    DrawRectangle(canvas, current, {20, 20}, {100, 100});
    DrawFill(canvas, {50, 50}, 1, kBlack, kRed); // 1 = no brush
    EXPECT_EQ(Count(canvas, kRed), 0);
    DrawFill(canvas, {50, 50}, 4, kBlack, kRed); // forward diagonal
    EXPECT_EQ(At(image(), 50, 50), kRed);
    EXPECT_EQ(At(image(), 51, 50), kWhite);
    DrawFill(canvas, {51, 50}, 0, kBlack, kBlue); // solid; the hatch is no border
    EXPECT_EQ(Count(image(), QRect(21, 21, 78, 78), kBlue), 78 * 78);
    EXPECT_EQ(canvas.brush().style, BrushStyle::Clear);
}

TEST_F(ShapeDrawers, CircleAndArcOfTheLargestRadiusShowTheirVisibleEdge)
{
    pen(1);
    // Its rightmost point is (200, 150); its box leaves the 32-bit range.
    const QPoint centre(200 - kMax, 150);
    DrawCircle(canvas, current, centre, kMax);
    EXPECT_EQ(At(image(), 199, 150), kBlack);
    EXPECT_EQ(At(image(), 202, 150), kWhite);
    EXPECT_EQ(At(image(), 150, 150), kWhite);
    EXPECT_EQ(At(image(), 199, 10), kBlack); // nearly straight here

    canvas.clear();
    current.brushColour = kRed;
    current.brushStyle = 1;
    DrawFilledCircle(canvas, current, centre, kMax);
    EXPECT_EQ(At(image(), 150, 150), kRed);
    EXPECT_EQ(At(image(), 0, 0), kRed);
    EXPECT_EQ(At(image(), 250, 150), kWhite);

    // Arcs of it: the near side shows, the far side draws nothing.
    canvas.clear();
    DrawArc(canvas, current, centre, kMax, -10, 10);
    EXPECT_EQ(At(image(), 199, 150), kBlack);
    canvas.clear();
    DrawArc(canvas, current, centre, kMax, 170, 190);
    EXPECT_EQ(Count(canvas, kBlack), 0);
}

TEST_F(ShapeDrawers, GridOfTwoThousandMillionCellsDrawsOnlyTheVisibleLines)
{
    pen(1);
    DrawGrid(canvas, current, {0, 100}, 2000000000, 1);
    EXPECT_EQ(Count(image(), QRect(0, 0, 400, 101), kBlack), 400 * 101);
    EXPECT_EQ(Count(image(), QRect(0, 101, 400, 199), kBlack), 0);

    // Lines kMax apart: of the first ones only y = kMax - kMax = 0 is near.
    canvas.clear();
    DrawGrid(canvas, current, {kMin, kMax}, kMax, kMax);
    EXPECT_EQ(InkBounds(image()), QRect(0, 0, 400, 1));
}

} // namespace
} // namespace kel
