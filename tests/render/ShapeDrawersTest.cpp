#include "render/ShapeDrawers.h"
#include "PixelChecks.h"
#include "render/Hatch.h"
#include "render/RasterCanvas.h"

#include <gtest/gtest.h>

#include <limits>

namespace kel {
namespace {

using test::At;
using test::Count;
using test::InkBounds;
using test::kBlue;
using test::kRed;
using test::kYellow;

constexpr int kMax = std::numeric_limits<int>::max();
constexpr int kMin = std::numeric_limits<int>::min();

class ShapeDrawers : public test::CanvasTest {
protected:
    void pen(int width, Colour colour = kBlack)
    {
        current.penWidth = width;
        current.penColour = colour;
    }
};

TEST_F(ShapeDrawers, ArcDefaultsRunFromThirtyToNinetyDegrees)
{
    const ArcEnd start = ArcEndPoint({200, 200}, 100, 30);
    const ArcEnd end = ArcEndPoint({200, 200}, 100, 90);
    EXPECT_EQ(start.x, 287);
    EXPECT_EQ(start.y, 150);
    EXPECT_EQ(end.x, 200);
    EXPECT_EQ(end.y, 100);

    pen(1);
    DrawArc(canvas, current, {200, 200}, 100, 30, 90);
    // The box (100, 100)-(300, 300) covers pixels 100..299, so the drawn
    // circle's radius is 99.5 around (199.5, 199.5).
    const QRect ink = InkBounds(image());
    EXPECT_NEAR(ink.left(), 200, 1);
    EXPECT_NEAR(ink.right(), 286, 1);
    EXPECT_NEAR(ink.top(), 100, 1);
    EXPECT_NEAR(ink.bottom(), 150, 1);
    EXPECT_GT(Count(image(), QRect(283, 147, 5, 5), kBlack), 0); // near the start point
    EXPECT_GT(Count(image(), QRect(198, 99, 5, 3), kBlack), 0);  // near the end point
}

TEST_F(ShapeDrawers, GridOfTwoCellsGrowsUpAndRightFromItsLowerLeftCorner)
{
    pen(1);
    DrawGrid(canvas, current, {0, 100}, 2, 10);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(0, 80), QPoint(20, 100)));
    for (const int y : {80, 90, 100})
        EXPECT_EQ(Count(image(), QRect(0, y, 21, 1), kBlack), 21) << y;
    for (const int x : {0, 10, 20})
        EXPECT_EQ(Count(image(), QRect(x, 80, 1, 21), kBlack), 21) << x;
}

TEST_F(ShapeDrawers, GridWithNegativeCellSizeGrowsTheOtherWay)
{
    pen(1);
    DrawGrid(canvas, current, {100, 100}, 2, -10);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(80, 100), QPoint(100, 120)));
    canvas.clear();
    DrawGrid(canvas, current, {100, 100}, -3, 10); // no cells, no lines
    EXPECT_EQ(Count(canvas, kBlack), 0);
}

TEST_F(ShapeDrawers, PointShapesZeroToThree)
{
    pen(1);
    DrawPoint(canvas, current, {50, 50}, 0);
    EXPECT_EQ(At(image(), 50, 50), kYellow);
    EXPECT_EQ(At(image(), 47, 50), kBlack); // rim of width 2
    EXPECT_EQ(At(image(), 48, 50), kBlack);
    EXPECT_EQ(At(image(), 49, 50), kYellow);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(47, 47), QPoint(52, 52)));

    canvas.clear();
    DrawPoint(canvas, current, {50, 50}, 1);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(47, 47), QPoint(52, 52)));
    EXPECT_EQ(At(image(), 50, 50), kBlack);
    EXPECT_EQ(Count(canvas, kYellow), 0);

    canvas.clear();
    DrawPoint(canvas, current, {50, 50}, 2);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(48, 48), QPoint(51, 51)));

    canvas.clear();
    pen(5, kRed); // shape 3 ignores the row's pen
    DrawPoint(canvas, current, {50, 50}, 3);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(48, 48), QPoint(51, 51)));
    EXPECT_EQ(Count(canvas, kBlack), 16);
}

TEST_F(ShapeDrawers, OtherPointShapesAreHollowCirclesOfThatRadius)
{
    pen(4, kRed);
    DrawPoint(canvas, current, {100, 100}, 7);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(93, 93), QPoint(106, 106)));
    EXPECT_EQ(At(image(), 100, 100), kWhite);
    EXPECT_EQ(Count(canvas, kRed), 0); // black pen of width 1

    canvas.clear();
    DrawPoint(canvas, current, {100, 100}, -3);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(97, 97), QPoint(102, 102)));
    EXPECT_EQ(At(image(), 100, 100), kWhite);
    EXPECT_EQ(canvas.brush().style, BrushStyle::Clear); // brush back to none
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
    current.brushStyle = 0; // none
    DrawFilledCircle(canvas, current, {100, 100}, 40);
    EXPECT_EQ(Count(canvas, kRed), 0);
    EXPECT_GT(Count(canvas, kBlue), 200);

    canvas.clear();
    current.brushStyle = 3; // vertical hatch
    DrawFilledCircle(canvas, current, {100, 100}, 40);
    for (int x = 70; x < 130; ++x)
        EXPECT_EQ(At(image(), x, 100) == kRed, HatchCovers(BrushStyle::Vertical, x, 100)) << x;
    EXPECT_EQ(canvas.brush().style, BrushStyle::Clear);
}

TEST_F(ShapeDrawers, RoundRectangleUsesThePlatformRuleThroughItsAttributeString)
{
    pen(1, kBlue);
    current.brushColour = kRed;
    current.brushStyle = 0; // solid for round rectangles
    DrawRoundRect(canvas, current, {20, 20}, {120, 80}, -30);
    EXPECT_EQ(At(image(), 70, 50), kRed);
    EXPECT_EQ(At(image(), 20, 20), kWhite); // corner cut off

    canvas.clear();
    current.brushStyle = 1; // none
    DrawRoundRect(canvas, current, {20, 20}, {120, 80}, -30);
    EXPECT_EQ(At(image(), 70, 50), kWhite);
    EXPECT_GT(Count(canvas, kBlue), 200);

    canvas.clear();
    current.brushStyle = 12; // written as "0C": the digit is lost, 1 = none
    DrawRoundRect(canvas, current, {20, 20}, {120, 80}, -30);
    EXPECT_EQ(Count(canvas, kRed), 0);
}

TEST_F(ShapeDrawers, RectangleCornersInEitherOrderDrawTheSame)
{
    pen(1);
    DrawRectangle(canvas, current, {50, 60}, {10, 20});
    const QImage reversed = image().copy();
    canvas.clear();
    DrawRectangle(canvas, current, {10, 20}, {50, 60});
    EXPECT_EQ(image(), reversed);
    EXPECT_EQ(InkBounds(image()), QRect(QPoint(10, 20), QPoint(49, 59)));
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

TEST_F(ShapeDrawers, PolygonIsFilledByTheAlternateRule)
{
    pen(1, kBlue);
    current.brushColour = kRed;
    current.brushStyle = 1;
    // A five-pointed star: its centre is covered twice and stays empty.
    DrawPolygon(canvas, current, {{200, 20}, {259, 201}, {105, 89}, {295, 89}, {141, 201}});
    EXPECT_EQ(At(image(), 200, 120), kWhite);
    EXPECT_EQ(At(image(), 200, 50), kRed); // a point of the star
    canvas.clear();
    current.brushStyle = 0;
    DrawPolygon(canvas, current, {{20, 20}, {120, 20}, {70, 100}});
    EXPECT_EQ(Count(canvas, kRed), 0);
    EXPECT_GT(Count(canvas, kBlue), 100);
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

// --- Values far outside the canvas -----------------------------------------

TEST_F(ShapeDrawers, CircleOfTheLargestRadiusShowsItsVisibleEdge)
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
}

TEST_F(ShapeDrawers, ArcOfTheLargestRadiusDrawsOnlyWhatReachesTheCanvas)
{
    pen(1);
    const QPoint centre(200 - kMax, 150);
    DrawArc(canvas, current, centre, kMax, -10, 10);
    EXPECT_EQ(At(image(), 199, 150), kBlack);
    canvas.clear();
    DrawArc(canvas, current, centre, kMax, 170, 190); // the far side
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
